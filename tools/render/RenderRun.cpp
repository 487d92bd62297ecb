#include "RenderRun.h"

#include "CApplication.h"
#include "CDocument.h"
#include "CPaintWindow.h"
#include "ImageImport.h"
#include "LWindow.h"
#include "RunContext.h"
#include "RunControl.h"
#include "StateJson.h"
#include "TerminalText.h"
#include "TextPosition.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>

void PrintRenderError(const QString& text) {
    std::fprintf(stderr, "turtlescope-render: %s\n", text.toLocal8Bit().constData());
}

namespace {

enum class OutputKind { None, Pict, Png };

// What the Open command reads as a picture (a program text is not one).
bool isPictureFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        return false;
    const FourCharCode type = detectFileType(path);
    return type == kFileTypePICT || type == kFileTypePNG || type == kFileTypeJPEG ||
           type == kFileTypeGIF || type == kFileTypeTIFF;
}

OutputKind outputKindOf(const QString& path) {
    if (path.isEmpty())
        return OutputKind::None;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pict") || suffix == QLatin1String("pct"))
        return OutputKind::Pict;
    if (suffix == QLatin1String("png"))
        return OutputKind::Png;
    return OutputKind::None;
}

// Makes the view's canvas exactly width × height by sizing its window around it.
bool sizePaintView(CPaintWindow& view, int width, int height) {
    QWidget* window = view.window();
    const QSize extra = window->size() - view.size();
    window->resize(QSize(width, height) + extra);
    const Rect bounds = view.canvas().getBounds();
    return view.width() == width && view.height() == height && bounds.width() == width &&
           bounds.height() == height;
}

bool savePng(const CPaintWindow& view, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "png");
    if (!writer.write(view.canvas().image()))
        return false;
    return file.commit();
}

} // namespace

void PrintParseError(const RenderOptions& options, const std::string& text,
                     const ParseContext& context) {
    const TextPosition position = PositionOfOffset(text, context.errorStart);
    std::fprintf(stderr, "%s:%lld:%lld: error: %s\n", options.program.toLocal8Bit().constData(),
                 static_cast<long long>(position.line), static_cast<long long>(position.column),
                 EscapeForTerminal(context.errorMessage.view()).c_str());
}

int RenderProgram(const RenderOptions& options, const std::string& text) {
    const OutputKind output = outputKindOf(options.output);
    if (!options.output.isEmpty() && output == OutputKind::None) {
        PrintRenderError(QStringLiteral("the output must end in .pict, .pct or .png: \"%1\"")
                             .arg(options.output));
        return kExitUsage;
    }
    if (!options.openPicture.isEmpty() && !isPictureFile(options.openPicture)) {
        PrintRenderError(
            QStringLiteral("cannot read \"%1\" as a picture").arg(options.openPicture));
        return kExitUsage;
    }

    CApplication application;
    // Nobody is there to answer a colour picker: the run keeps its colour and goes on.
    application.SetColourPicker([](const RGBColour&) { return std::nullopt; });
    application.MarkPenSize(options.penCommand);
    application.MarkColour(options.colourCommand);
    application.MarkSymmetry(options.symmetryCommand);

    application.ObeyCommand(cmd_New, nullptr);
    CPaintWindow* view = application.FrontCPaintWindow();
    if (view == nullptr || !sizePaintView(*view, options.width, options.height)) {
        PrintRenderError(
            QStringLiteral("cannot make a %1x%2 picture").arg(options.width).arg(options.height));
        return kExitUsage;
    }
    if (!options.openPicture.isEmpty() && view->readPictureFile(options.openPicture) != 0) {
        PrintRenderError(
            QStringLiteral("cannot read \"%1\" as a picture").arg(options.openPicture));
        return kExitUsage;
    }

    RunContext context(text, options.heading, view, nullptr);
    if (!context.parseSucceeded) {
        PrintParseError(options, text, context);
        return kExitParseError;
    }
    ExecuteRun(context);

    if (output == OutputKind::Pict && view->writePictureFile(options.output) != 0) {
        PrintRenderError(QStringLiteral("cannot write \"%1\"").arg(options.output));
        return kExitUsage;
    }
    if (output == OutputKind::Png && !savePng(*view, options.output)) {
        PrintRenderError(QStringLiteral("cannot write \"%1\"").arg(options.output));
        return kExitUsage;
    }
    if (options.state) {
        const std::string json = RunStateJson(context, view->turtlePoint());
        std::fwrite(json.data(), 1, json.size(), stdout);
        std::fputc('\n', stdout);
        if (std::fflush(stdout) != 0)
            return kExitUsage;
    }
    return kExitSuccess;
}
