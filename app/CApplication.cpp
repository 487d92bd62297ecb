#include "CApplication.h"

#include "ApplicationCommands.h"
#include "CDocument.h"
#include "CHideWindow.h"
#include "CPaintWindow.h"
#include "CommandPalette.h"
#include "EditorViews.h"
#include "ExampleFiles.h"
#include "FileAlert.h"
#include "ImageImport.h"
#include "LEventGuard.h"
#include "LException.h"
#include "LWindow.h"
#include "LanguageReference.h"
#include "PaletteIcons.h"
#include "ParamAlert.h"
#include "ProgramWindows.h"
#include "ResourceChain.h"
#include "Settings.h"
#include "StDialogHandler.h"
#include "ViewResources.h"
#include "ui_AboutBox.h"
#include "ui_ColourPalette.h"
#include "ui_ToolPalette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QUrl>

CApplication* theApplication = nullptr;

namespace {

constexpr MessageT msg_AboutOK = 900;
constexpr MessageT msg_AboutCancel = 901;

PaletteSelection paletteSelectionOfApplication() {
    PaletteSelection selection;
    if (theApplication == nullptr)
        return selection;
    const PaletteState& palettes = theApplication->Palettes();
    selection.penWidth = palettes.PalettePenWidth();
    selection.symmetry = palettes.PaletteSymmetry();
    const PaletteColourChoice colour = palettes.PaletteColour();
    selection.colour = colour.colour;
    selection.colourCycling = colour.cycling;
    return selection;
}

PaintingModes paintingModesOfApplication() {
    PaintingModes modes;
    if (theApplication != nullptr) {
        modes.connectMode = theApplication->connectMode();
        modes.mouseMode = theApplication->mouseMode();
    }
    return modes;
}

RGBColour fromQColor(const QColor& colour) {
    const QRgba64 wide = colour.rgba64();
    return RGBColour{wide.red(), wide.green(), wide.blue()};
}

QColor toQColor(const RGBColour& colour) {
    return QColor::fromRgba64(colour.red, colour.green, colour.blue);
}

} // namespace

std::optional<RGBColour> CApplication::AskWithColourDialog(const RGBColour& initial) {
    const QColor chosen = [&] {
        const StFloatingWindowsSuspended suspended;
        return QColorDialog::getColor(toQColor(initial), nullptr, QString());
    }();
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

namespace {

// Marks a command as on its way to the paint view until it returns, exceptions included.
class StForwarding {
public:
    explicit StForwarding(bool& flag) : mFlag(flag) { mFlag = true; }
    ~StForwarding() { mFlag = false; }
    StForwarding(const StForwarding&) = delete;
    StForwarding& operator=(const StForwarding&) = delete;

private:
    bool& mFlag;
};

bool isDocumentCommand(CommandT command) {
    return (command >= cmd_Close && command <= cmd_Print) || command == cmd_Clear ||
           command == cmd_PrintOne;
}

bool isPaletteCommand(CommandT command) {
    return (command >= cmd_PenWidth2 && command <= cmd_PenWidth32) || command == cmd_FillTool ||
           (command >= cmd_ColourBlack && command <= cmd_ColourPicker) ||
           (command >= cmd_Symmetry1 && command <= cmd_ClearPicture);
}

template <std::size_t N> bool inGroup(const std::array<CommandT, N>& group, CommandT command) {
    return std::find(group.begin(), group.end(), command) != group.end();
}

bool isPictureType(FourCharCode type) {
    return type == kFileTypePICT || type == kFileTypePNG || type == kFileTypeJPEG ||
           type == kFileTypeGIF || type == kFileTypeTIFF;
}

QString imagePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return patterns.join(QLatin1Char(' '));
}

} // namespace

CApplication::CApplication(const QString& settingsPath) : mSettingsPath(settingsPath) {
    theApplication = this;
    RunHost::SetCurrent(this);
    RegisterViewClasses();
    CPaintWindow::SetPaletteSource(&paletteSelectionOfApplication);
    CPaintWindow::SetModesSource(&paintingModesOfApplication);
    mColourPicker = &AskWithColourDialog;
    QApplication::setWindowIcon(applicationIcon());
    if (QCoreApplication::applicationVersion().isEmpty())
        QCoreApplication::setApplicationVersion(QStringLiteral(TURTLESCOPE_VERSION));

    std::vector<QString> exampleTitles;
    for (const ExampleFile& example : ExampleFiles())
        exampleTitles.push_back(example.title);
    AddApplicationMenus(GetMenuBar(), exampleTitles);
    SetQuitWhenLastWindowCloses(true);
    SetFileAlertHandler([](const QString& what, const QString& why) {
        ParamAlert alert(kFileProblemAlert);
        alert.SetParameter(0, what);
        alert.SetParameter(1, why);
        const StFloatingWindowsSuspended suspended;
        alert.Show();
    });
    buildPalettes();
}

CApplication::~CApplication() {
    if (mSettingsLoaded)
        SaveSettings(*this, mSettingsPath);
    mPalettes.onChange = nullptr;
    SetFileAlertHandler(nullptr);
    CPaintWindow::SetPaletteSource(nullptr);
    CPaintWindow::SetModesSource(nullptr);
    if (RunHost::Current() == this)
        RunHost::SetCurrent(nullptr);
    theApplication = nullptr;
}

void CApplication::RegisterViewClasses() {
    RegisterCommanderViewClass<CPaintWindow>(FourCC("Pict"));
    RegisterWindowClass<LWindow>(LWindow::class_ID);
    RegisterWindowClass<CHideWindow>(CHideWindow::class_ID);
    RegisterDocumentViews();
    RegisterEditorViews();
    RegisterUiViewResource<Ui::ToolPalette>(kToolPaletteResource);
    RegisterUiViewResource<Ui::ColourPalette>(kColourPaletteResource);
    RegisterUiViewResource<Ui::AboutBox>(kAboutBoxResource);
}

void CApplication::buildPalettes() {
    const ResIDT resources[] = {kToolPaletteResource, kColourPaletteResource,
                                kCommandPaletteContents};
    for (int id = 0; id < 3; ++id) {
        CHideWindow* palette = nullptr;
        if (HasViewResource(resources[id])) {
            palette = CHideWindow::MakePalette(resources[id], this);
        } else {
            palette =
                static_cast<CHideWindow*>(AdoptSubCommander(std::make_unique<CHideWindow>(this)));
            palette->setWindowTitle(QObject::tr("Commands"));
        }
        if (id > 0 && mPaletteWindows[id - 1])
            palette->PlaceBelow(*mPaletteWindows[id - 1]);
        wirePaletteButtons(*palette);
        mPaletteWindows[id] = palette;
    }
    mPalettes.onChange = [this](CommandT button, int value) {
        showPaletteButtonValue(button, value);
    };
}

void CApplication::wirePaletteButtons(CHideWindow& palette) {
    for (QAbstractButton* button : palette.findChildren<QAbstractButton*>()) {
        bool ok = false;
        const CommandT command = button->property("paneID").toInt(&ok);
        if (!ok || !isPaletteCommand(command) || command == cmd_ClearPicture)
            continue;
        button->setIcon(paletteIcon(command));
        button->setCheckable(true);
        button->setChecked(mPalettes.buttonValue(command) != 0);
        mPaletteButtons[command] = button;
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [this, command] { paletteButtonClicked(command); });
    }
}

void CApplication::paletteButtonClicked(CommandT command) {
    RunGuarded([this, command] {
        // The buttons of a group behave as radio buttons: the clicked one is selected whatever
        // its command does with the value.
        if (inGroup(kPenButtons, command))
            mPalettes.MarkPenSize(command);
        else if (inGroup(kColourButtons, command))
            mPalettes.MarkColour(command);
        else if (inGroup(kSymmetryButtons, command))
            mPalettes.MarkSymmetry(command);
        int value = 1;
        ObeyCommand(command, &value);
    });
    for (const auto& [button, widget] : mPaletteButtons) {
        if (widget)
            widget->setChecked(mPalettes.buttonValue(button) != 0);
    }
}

void CApplication::showPaletteButtonValue(CommandT command, int value) {
    const auto it = mPaletteButtons.find(command);
    if (it != mPaletteButtons.end() && it->second)
        it->second->setChecked(value != 0);
}

CHideWindow* CApplication::PaletteWindow(int id) const {
    return id >= 0 && id < 3 ? mPaletteWindows[static_cast<std::size_t>(id)].data() : nullptr;
}

QAbstractButton* CApplication::PaletteButton(CommandT command) const {
    const auto it = mPaletteButtons.find(command);
    return it != mPaletteButtons.end() ? it->second.data() : nullptr;
}

void CApplication::showPalette(int id) {
    if (CHideWindow* palette = PaletteWindow(id)) {
        palette->Show();
        palette->raise();
    }
}

void CApplication::Initialize() {
    if (mSettingsPath.isEmpty())
        mSettingsPath = SettingsFilePath();
    LoadSettings(*this, mSettingsPath);
    mSettingsLoaded = true;
    // The tool and colour palettes always come back; the command palette as it was left.
    showPalette(0);
    showPalette(1);
}

CPaintWindow* CApplication::FrontCPaintWindow() const {
    for (LWindow* window : LWindow::WindowsInActivationOrder()) {
        if (!window->isVisible() || window->GetLayer() != WindowLayer::Regular)
            continue;
        if (auto* view =
                dynamic_cast<CPaintWindow*>(window->FindPaneByID(CPaintWindow::kPaintPaneID)))
            return view;
    }
    return nullptr;
}

LDocument* CApplication::MakeNewDocument() {
    auto document = std::make_unique<CDocument>(this);
    CDocument* made = document.get();
    AdoptSubCommander(std::move(document));
    return made;
}

bool CApplication::OpenFile(const FileLocation& location) {
    const QString path = location.path();
    const QFileInfo info(path);
    if (!info.isFile()) {
        AlertFileProblem(FileProblem::Open, path, kFileNotFound);
        return false;
    }
    if (!info.isReadable()) {
        AlertFileProblem(FileProblem::Open, path, kAccessDenied);
        return false;
    }
    const FourCharCode type = detectFileType(path);
    if (type == kFileTypeTEXT) {
        // A program always has a picture to draw in. It is made first, so that the program's
        // window is mapped after it and comes up in front: a window manager puts the window
        // it maps last on top, whatever was selected before.
        LDocument* picture = FrontCPaintWindow() == nullptr ? MakeNewDocument() : nullptr;
        if (OpenProgramWindow(this, location) == nullptr) {
            if (picture != nullptr)
                picture->Close();
            return false;
        }
        return true;
    }
    if (!isPictureType(type) && !QImageReader(path).canRead()) {
        AlertFileProblem(FileProblem::Open, path, kParamError);
        return false;
    }
    auto* document = static_cast<CDocument*>(MakeNewDocument());
    if (!document->OpenPictureFile(location)) {
        document->Close(); // no empty window stays behind for a file that failed
        return false;
    }
    return true;
}

void CApplication::ChooseFileToOpen() {
    const FileLocation location = AskForFileToOpen();
    if (!location.isEmpty())
        OpenFile(location);
}

FileLocation CApplication::AskForFileToOpen() {
    const QString images = imagePatterns();
    const QStringList filters{
        QObject::tr("Pictures, images and programs (*.pict *.pct *.turtle *.txt %1)").arg(images),
        QObject::tr("Turtlescope pictures (*.pict *.pct)"),
        QObject::tr("Images (%1)").arg(images),
        QObject::tr("Programs (*.turtle *.txt)"),
        QObject::tr("All files (*)"),
    };
    const StFloatingWindowsSuspended suspended;
    QFileDialog dialog(nullptr, QObject::tr("Open"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    return chosen ? FileLocation(dialog.selectedFiles().constFirst()) : FileLocation();
}

void CApplication::ShowAboutBox() {
    StDialogHandler handler(kAboutBoxResource, this, {msg_AboutOK, msg_AboutCancel});
    if (auto* icon = dynamic_cast<QLabel*>(handler.FindPaneByID(1)))
        icon->setPixmap(applicationIcon().pixmap(96, 96));
    if (auto* version = dynamic_cast<QLabel*>(handler.FindPaneByID(2)))
        version->setText(QObject::tr("Version %1").arg(QCoreApplication::applicationVersion()));
    handler.DoDialog();
}

bool CApplication::DoQuit() {
    if (!ConfirmCloseProgramWindows())
        return false;
    return LDocApplication::DoQuit();
}

bool CApplication::ObeyCommand(CommandT command, void* ioParam) {
    if (isDocumentCommand(command) && !mForwardingToPaintView && FrontCPaintWindow() != nullptr)
        return passToPaintView(command, ioParam);
    if (isPaletteCommand(command))
        return obeyPaletteCommand(command, ioParam);
    if (command >= cmd_FirstExample && command < cmd_FirstExample + kMaxExamples) {
        openExample(command - cmd_FirstExample);
        return true;
    }
    if (command == StartingPaceCommand() || command == SetStartingPaceCommand()) {
        auto* level = static_cast<std::int32_t*>(ioParam);
        if (level != nullptr && command == StartingPaceCommand())
            *level = mStartingPace;
        else if (level != nullptr)
            SetStartingPace(*level);
        return true;
    }
    switch (command) {
    case cmd_ConnectMode:
        mConnectMode = !mConnectMode;
        return true;
    case cmd_MouseMode:
        mMouseMode = !mMouseMode;
        return true;
    case cmd_NewProgram:
        MakeProgramWindow(this);
        return true;
    case cmd_OpenProgram:
        ChooseFileToOpen();
        return true;
    case cmd_LanguageReference:
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(WriteLanguageReference())))
            QApplication::beep();
        return true;
    case cmd_HomePage:
        openWebPage(7, false);
        return true;
    case cmd_ShowCommandPalette:
        showPalette(2);
        return true;
    case cmd_ShowToolPalette:
        showPalette(0);
        return true;
    case cmd_ShowColourPalette:
        showPalette(1);
        return true;
    case cmd_ExportPicture:
        exportPicture();
        return true;
    default:
        return LDocApplication::ObeyCommand(command, ioParam);
    }
}

void CApplication::SetStartingPace(std::int32_t level) {
    mStartingPace = ValidPace(level);
    ShowStartingPaceEverywhere(mStartingPace);
}

bool CApplication::passToPaintView(CommandT command, void* ioParam) {
    CPaintWindow* view = FrontCPaintWindow();
    const StForwarding forwarding(mForwardingToPaintView);
    view->ObeyCommand(command, ioParam);
    return true;
}

CPaintWindow* CApplication::paletteCommandView() const {
    // A run's commands go to the picture it started on, whichever is in front by now.
    if (auto* runView = dynamic_cast<CPaintWindow*>(RunPaintView()))
        return runView;
    return FrontCPaintWindow();
}

bool CApplication::obeyPaletteCommand(CommandT command, void* ioParam) {
    CPaintWindow* view = paletteCommandView();
    if (command >= cmd_PenWidth2 && command <= cmd_PenWidth32) {
        if (view != nullptr) {
            view->setFillMode(false);
            view->setPenSize(*penWidthOfButton(command));
        }
        if (ioParam != nullptr)
            mPalettes.MarkPenSize(command);
    } else if (command == cmd_FillTool) {
        if (view != nullptr)
            view->setFillMode(true);
    } else if (command >= cmd_ColourBlack && command <= cmd_ColourYellow) {
        if (view != nullptr)
            view->setPenColor(*colourOfButton(command), command);
        if (ioParam != nullptr)
            mPalettes.MarkColour(command);
    } else if (command == cmd_ColourCycling) {
        if (view != nullptr)
            view->setColorCycling(true);
        mPalettes.MarkColour(command);
    } else if (command == cmd_ColourPicker) {
        mPalettes.MarkColour(command);
        if (view != nullptr)
            chooseColour(*view);
    } else if (command >= cmd_Symmetry1 && command <= cmd_Symmetry8) {
        if (view != nullptr)
            view->setSymmetry(*symmetryOfButton(command));
        if (ioParam != nullptr)
            mPalettes.MarkSymmetry(command);
    } else if (command == cmd_ClearPicture) {
        if (view != nullptr)
            view->ObeyCommand(cmd_Clear, nullptr);
    }
    return true;
}

void CApplication::chooseColour(CPaintWindow& view) {
    if (!mColourPicker)
        return;
    QGuiApplication::restoreOverrideCursor();
    if (const auto chosen = mColourPicker(view.getPenColor()))
        view.setPenColor(*chosen, cmd_ColourPicker);
}

void CApplication::openWebPage(int stringIndex, bool beepOnFailure) {
    const QUrl url(IndStringText(201, stringIndex));
    if ((!url.isValid() || !QDesktopServices::openUrl(url)) && beepOnFailure)
        QApplication::beep();
}

void CApplication::exportPicture() {
    CPaintWindow* view = FrontCPaintWindow();
    if (view == nullptr || !view->canvas().isValid())
        return;
    QStringList patterns;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    const QString proposed =
        QFileInfo(view->window()->windowTitle()).completeBaseName() + QStringLiteral(".png");
    QFileDialog dialog(view->window(), QObject::tr("Export Picture"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({QObject::tr("PNG images (*.png)"),
                           QObject::tr("Images (%1)").arg(patterns.join(QLatin1Char(' ')))});
    dialog.setDefaultSuffix(QStringLiteral("png"));
    dialog.selectFile(proposed);
    const bool chosen = [&] {
        const StFloatingWindowsSuspended suspended;
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    }();
    if (!chosen)
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QImageWriter writer(path);
    if (!writer.write(view->canvas().image()))
        AlertFileProblem(FileProblem::Export, path,
                         writer.error() == QImageWriter::UnsupportedFormatError ? kParamError
                                                                                : kIOError);
}

void CApplication::openExample(int index) {
    const std::vector<ExampleFile> examples = ExampleFiles();
    if (index >= 0 && static_cast<std::size_t>(index) < examples.size())
        OpenFile(FileLocation(examples[static_cast<std::size_t>(index)].path));
}

void CApplication::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (isDocumentCommand(command) && !mForwardingToPaintView) {
        if (CPaintWindow* view = FrontCPaintWindow()) {
            const StForwarding forwarding(mForwardingToPaintView);
            view->FindCommandStatus(command, status);
            return;
        }
    }
    if (isPaletteCommand(command) ||
        (command >= cmd_FirstExample && command < cmd_FirstExample + kMaxExamples)) {
        status.enabled = true;
        return;
    }
    switch (command) {
    case cmd_ConnectMode:
        status.enabled = true;
        status.mark = mConnectMode ? kCheckMark : 0;
        return;
    case cmd_MouseMode:
        status.enabled = true;
        status.mark = mMouseMode ? kCheckMark : 0;
        return;
    case cmd_ShowToolPalette:
    case cmd_ShowColourPalette:
    case cmd_ShowCommandPalette: {
        const CHideWindow* palette = PaletteWindow(command == cmd_ShowToolPalette     ? 0
                                                   : command == cmd_ShowColourPalette ? 1
                                                                                      : 2);
        status.enabled = palette != nullptr;
        status.mark = palette != nullptr && palette->isVisible() ? kCheckMark : 0;
        return;
    }
    case cmd_NewProgram:
    case cmd_OpenProgram:
    case cmd_LanguageReference:
    case cmd_HomePage:
        status.enabled = true;
        return;
    case cmd_ExportPicture:
        status.enabled = FrontCPaintWindow() != nullptr;
        return;
    default:
        LDocApplication::FindCommandStatus(command, status);
    }
}

std::int32_t CApplication::SelectedPenButton() const {
    return mPalettes.SelectedPenButton();
}

std::int32_t CApplication::SelectedColourButton() const {
    return mPalettes.SelectedColourButton();
}

std::int32_t CApplication::SelectedSymmetryButton() const {
    return mPalettes.SelectedSymmetryButton();
}

void CApplication::MarkPenSize(std::int32_t button) {
    mPalettes.MarkPenSize(button);
}

void CApplication::MarkColour(std::int32_t button) {
    mPalettes.MarkColour(button);
}

void CApplication::MarkSymmetry(std::int32_t button) {
    mPalettes.MarkSymmetry(button);
}

TurtleView* CApplication::FrontPaintView() {
    return FrontCPaintWindow();
}

bool CApplication::ObeyHostCommand(CommandT command, void* ioParam) {
    return ObeyCommand(command, ioParam);
}

void CApplication::SetSleepTime(std::uint32_t ticks) {
    LDocApplication::SetSleepTime(ticks);
}
