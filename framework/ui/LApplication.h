#pragma once

// The application object: the root of the command chain and the owner of the event loop. The
// loop is QApplication's; this object adds idle time for LPeriodical, the sleep time, the
// platform's requests (open application, reopen, open and print documents, quit), the menu bar
// definition and the guard around every handler. It needs an existing QApplication (best an
// LGuardedApplication, whose guard covers every event).

#include "FileLocation.h"
#include "LCommander.h"
#include "LMenuBar.h"

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <memory>

class LDocument;

class LApplication : public LCommander {
public:
    static constexpr std::uint32_t kDefaultSleepTime = 6; // ticks

    LApplication();
    ~LApplication() override;

    // The one application object while it lives, or null.
    static LApplication* GetCurrent();

    // Before the first event: Initialize once, then the start-up request (open documents when
    // some were given with SetStartupDocuments, else StartUp); then the event loop until quit.
    // Returns the loop's exit code.
    int Run();
    // Called once, after the menu bar definition exists and before the first event.
    virtual void Initialize() {}

    // Ticks the loop lets pass between idle calls while no event arrives.
    void SetSleepTime(std::uint32_t ticks);
    std::uint32_t GetSleepTime() const { return mSleepTime; }

    // Platform requests.
    void SetStartupDocuments(const QStringList& paths) { mStartupDocuments = paths; }
    virtual void StartUp() {}
    virtual void DoReopen() {}
    // Opens each file in order; a failure on one does not stop the others.
    void OpenDocuments(const QStringList& paths);
    virtual void OpenDocument(const FileLocation& /*location*/) {}
    virtual void PrintDocuments(const QStringList& /*paths*/) {}
    // Asks every document to close with the quitting flag; a refusal cancels the quit. True
    // when the application is quitting.
    virtual bool DoQuit();
    bool IsQuitting() const { return mQuitting; }
    // When set, the program quits (asking as Quit does) once its last regular window closes
    // while the event loop runs: floating palettes alone carry no menu.
    void SetQuitWhenLastWindowCloses(bool on) { mQuitWhenLastWindowCloses = on; }
    bool IsRunning() const { return mInLoop; }

    // Commands 1 (About) and 10 (Quit).
    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;
    virtual void ShowAboutBox() {}

    // The menu definition every window installs. Change it before making windows.
    LMenuBar& GetMenuBar() { return mMenuBar; }
    const LMenuBar& GetMenuBar() const { return mMenuBar; }

    // The sub commanders that are documents, in the order they were added.
    std::vector<LDocument*> GetDocuments() const;

    // Idle time: every LPeriodical gets time once (re-entrant calls do nothing).
    void DevoteTimeToIdlers();

protected:
    // Ends the event loop (after the documents agreed).
    virtual void QuitApplication();
    // Called soon after a regular window was hidden.
    void QuitIfNoWindowIsLeft();

private:
    class IdleDriver;
    std::unique_ptr<IdleDriver> mIdleDriver;
    LMenuBar mMenuBar;
    QStringList mStartupDocuments;
    std::uint32_t mSleepTime = kDefaultSleepTime;
    bool mInitialized = false;
    bool mInLoop = false;
    bool mQuitting = false;
    bool mDevotingTime = false;
    bool mQuitWhenLastWindowCloses = false;
    bool mLastWindowCheckPending = false;
};

// The document application: New, Open and Page Setup, and a new document at start-up.
class LDocApplication : public LApplication {
public:
    LDocApplication();
    ~LDocApplication() override;

    // Command 2. The new document's super commander should be the application.
    virtual LDocument* MakeNewDocument() { return nullptr; }
    // Command 3: asks for a file and opens it.
    virtual void ChooseDocument();
    // Command 8 with no document to take it.
    virtual void HandleAppPageSetup() {}

    // Launch without documents: a new document.
    void StartUp() override;
    // A new document when no regular window is visible.
    void DoReopen() override;

    bool ObeyCommand(CommandT command, void* ioParam) override;
    void FindCommandStatus(CommandT command, CommandStatus& status) override;

protected:
    // The file dialog of command 3 (tests replace it). Empty when cancelled.
    virtual FileLocation AskForFileToOpen();
};
