#include "LApplication.h"

#include "LDocument.h"
#include "LEventGuard.h"
#include "LException.h"
#include "LPeriodical.h"
#include "LWindow.h"
#include "Ticks.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileOpenEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace {

LApplication*& currentApplication() {
    static LApplication* application = nullptr;
    return application;
}

int sleepInterval(std::uint32_t ticks) {
    // A sleep of 0 would spin the processor; one tick is the shortest wait.
    const std::uint32_t bounded = std::clamp<std::uint32_t>(ticks, 1, 60u * 60u);
    return static_cast<int>(bounded * 1000u / kTicksPerSecond);
}

} // namespace

// The loop's hooks: idle time when the dispatcher is about to wait and at the sleep interval,
// and the platform's file-open request.
class LApplication::IdleDriver : public QObject {
public:
    explicit IdleDriver(LApplication& application) : mApplication(application) {
        mTimer.setInterval(sleepInterval(application.GetSleepTime()));
        connect(&mTimer, &QTimer::timeout, this, [this] { mApplication.DevoteTimeToIdlers(); });
        mTimer.start();
        if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
            connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                    [this] { mApplication.DevoteTimeToIdlers(); });
        QCoreApplication::instance()->installEventFilter(this);
        // Floating windows follow the program into the background and out of it; a moment's
        // grace lets focus pass between its own windows without a flicker.
        mBackgroundTimer.setSingleShot(true);
        mBackgroundTimer.setInterval(300);
        connect(&mBackgroundTimer, &QTimer::timeout, this, [] {
            if (QGuiApplication::applicationState() != Qt::ApplicationActive)
                LWindow::SuspendFloatingWindows();
        });
        connect(qApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) {
                    if (state != Qt::ApplicationActive) {
                        mBackgroundTimer.start();
                    } else if (QApplication::activeModalWidget() == nullptr) {
                        mBackgroundTimer.stop();
                        LWindow::ResumeFloatingWindows();
                    }
                });
    }

    void setSleepTime(std::uint32_t ticks) { mTimer.setInterval(sleepInterval(ticks)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::FileOpen) {
            const QString path = static_cast<QFileOpenEvent*>(event)->file();
            mApplication.OpenDocuments({path});
            return true;
        }
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
            event->type() == QEvent::Drop)
            return fileDrop(watched, static_cast<QDropEvent*>(event));
        if (event->type() == QEvent::Hide) {
            const auto* window = qobject_cast<LWindow*>(watched);
            if (window != nullptr && window->GetLayer() == WindowLayer::Regular)
                mApplication.QuitIfNoWindowIsLeft();
        }
        return false;
    }

private:
    // Files dropped on any of the program's windows are opened as the platform's request.
    bool fileDrop(QObject* watched, QDropEvent* drop) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || qobject_cast<LWindow*>(widget->window()) == nullptr ||
            drop->mimeData() == nullptr || !drop->mimeData()->hasUrls())
            return false;
        QStringList paths;
        for (const QUrl& url : drop->mimeData()->urls()) {
            if (!url.isLocalFile())
                return false; // not ours: the view may know what to do with it
            paths << url.toLocalFile();
        }
        drop->acceptProposedAction();
        if (drop->type() == QEvent::Drop) {
            // Opened after the drop has ended: opening may ask questions.
            QTimer::singleShot(0, this, [this, paths] { mApplication.OpenDocuments(paths); });
        }
        return true;
    }

    LApplication& mApplication;
    QTimer mTimer;
    QTimer mBackgroundTimer;
};

LApplication::LApplication() : mMenuBar(LMenuBar::StandardMenuBar()) {
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr ||
        currentApplication() != nullptr)
        throw LException(kParamError);
    currentApplication() = this;
    mIdleDriver = std::make_unique<IdleDriver>(*this);
}

LApplication::~LApplication() {
    mIdleDriver.reset();
    if (currentApplication() == this)
        currentApplication() = nullptr;
}

LApplication* LApplication::GetCurrent() {
    return currentApplication();
}

int LApplication::Run() {
    if (!mInitialized) {
        mInitialized = true;
        Initialize();
    }
    if (!mQuitting) {
        RunGuarded([this] {
            if (!mStartupDocuments.isEmpty())
                OpenDocuments(std::exchange(mStartupDocuments, {}));
            // Files that could not be opened leave the program as a launch without them.
            if (LWindow::FrontWindow(WindowLayer::Regular) == nullptr)
                StartUp();
        });
    }
    int code = 0;
    if (!mQuitting) {
        mInLoop = true;
        code = QApplication::exec();
        mInLoop = false;
    }
    // Closed windows and documents wait for the loop to delete them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}

void LApplication::SetSleepTime(std::uint32_t ticks) {
    mSleepTime = ticks;
    if (mIdleDriver)
        mIdleDriver->setSleepTime(ticks);
}

void LApplication::OpenDocuments(const QStringList& paths) {
    for (const QString& path : paths)
        RunGuarded([&] { OpenDocument(FileLocation(path)); });
}

bool LApplication::DoQuit() {
    for (LDocument* document : GetDocuments()) {
        if (!document->AttemptClose(true))
            return false;
    }
    mQuitting = true;
    QuitApplication();
    return true;
}

void LApplication::QuitIfNoWindowIsLeft() {
    if (!mQuitWhenLastWindowCloses || !mInLoop || mQuitting || mLastWindowCheckPending)
        return;
    // Asked after the hide has settled: a window hidden only to be shown again (or replaced
    // by a new one) does not end the program.
    mLastWindowCheckPending = true;
    QTimer::singleShot(0, mIdleDriver.get(), [this] {
        mLastWindowCheckPending = false;
        if (mQuitting || !mInLoop || QApplication::activeModalWidget() != nullptr)
            return;
        if (LWindow::FrontWindow(WindowLayer::Regular) == nullptr)
            RunGuarded([this] { DoQuit(); });
    });
}

void LApplication::QuitApplication() {
    // Outside Run the flag is enough; a quit sent now would end the next modal loop instead.
    if (mInLoop)
        QCoreApplication::exit(0);
}

bool LApplication::ObeyCommand(CommandT command, void* ioParam) {
    switch (command) {
    case cmd_About:
        ShowAboutBox();
        return true;
    case cmd_Quit:
        DoQuit();
        return true;
    default:
        return LCommander::ObeyCommand(command, ioParam);
    }
}

void LApplication::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (command == cmd_About || command == cmd_Quit) {
        status.enabled = true;
        return;
    }
    LCommander::FindCommandStatus(command, status);
}

std::vector<LDocument*> LApplication::GetDocuments() const {
    std::vector<LDocument*> documents;
    for (LCommander* sub : GetSubCommanders()) {
        if (auto* document = dynamic_cast<LDocument*>(sub))
            documents.push_back(document);
    }
    return documents;
}

void LApplication::DevoteTimeToIdlers() {
    if (mDevotingTime)
        return; // an idler that runs the loop itself gets no nested idle time
    mDevotingTime = true;
    LPeriodical::DevoteTimeToIdlers();
    mDevotingTime = false;
}

LDocApplication::LDocApplication() = default;
LDocApplication::~LDocApplication() = default;

void LDocApplication::ChooseDocument() {
    const FileLocation location = AskForFileToOpen();
    if (!location.isEmpty())
        OpenDocument(location);
}

FileLocation LDocApplication::AskForFileToOpen() {
    const StFloatingWindowsSuspended suspended;
    const QString path = QFileDialog::getOpenFileName(nullptr);
    return FileLocation(path);
}

void LDocApplication::StartUp() {
    ObeyCommand(cmd_New, nullptr);
}

void LDocApplication::DoReopen() {
    if (LWindow::FrontWindow(WindowLayer::Regular) == nullptr)
        ObeyCommand(cmd_New, nullptr);
}

bool LDocApplication::ObeyCommand(CommandT command, void* ioParam) {
    switch (command) {
    case cmd_New:
        MakeNewDocument();
        return true;
    case cmd_Open:
        ChooseDocument();
        return true;
    case cmd_PageSetup:
        HandleAppPageSetup();
        return true;
    default:
        return LApplication::ObeyCommand(command, ioParam);
    }
}

void LDocApplication::FindCommandStatus(CommandT command, CommandStatus& status) {
    if (command == cmd_New || command == cmd_Open || command == cmd_PageSetup) {
        status.enabled = true;
        return;
    }
    LApplication::FindCommandStatus(command, status);
}
