#include "RenderRun.h"

#include "CApplication.h"
#include "CDocument.h"
#include "CPaintWindow.h"
#include "LException.h"
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

// Why the picture could not be written, or nothing when it was.
QString savePng(const CPaintWindow& view, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "png");
    if (!writer.write(view.canvas().image()))
        return writer.errorString();
    return file.commit() ? QString() : file.errorString();
}

QString savePict(CPaintWindow& view, const QString& path) {
    switch (view.writePictureFile(path)) {
    case kNoError:
        return {};
    case kFileNotFound:
        return QStringLiteral("its folder does not exist");
    case kAccessDenied:
        return QStringLiteral("permission to write there is denied");
    case kMemoryFull:
        return QStringLiteral("there is not enough memory for the picture");
    default:
        return QStringLiteral("the disk would not take it");
    }
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
    if (!options.openPicture.isEmpty()) {
        // A file that holds nothing decodable opens as an empty picture in the application;
        // here it is a mistake in the command line.
        QString refusal;
        view->readPictureFile(options.openPicture, &refusal);
        if (!refusal.isEmpty()) {
            PrintRenderError(QStringLiteral("cannot read \"%1\" as a picture: %2")
                                 .arg(options.openPicture, refusal));
            return kExitUsage;
        }
    }

    RunContext context(text, options.heading, view, nullptr);
    if (!context.parseSucceeded) {
        PrintParseError(options, text, context);
        return kExitParseError;
    }
    ExecuteRun(context);

    const QString writeFailure = output == OutputKind::Pict  ? savePict(*view, options.output)
                                 : output == OutputKind::Png ? savePng(*view, options.output)
                                                             : QString();
    if (!writeFailure.isEmpty()) {
        PrintRenderError(
            QStringLiteral("cannot write \"%1\": %2").arg(options.output, writeFailure));
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
