#pragma once

// An alert built from a dialog view resource whose texts may hold the placeholders ^0 to ^3.
// A dialog made only of at most two texts, at most two buttons and an optional icon is shown as
// the platform's standard message box; any other dialog is shown as itself. One alert at a time:
// a request while another is on screen returns 1 at once.

#include "LCommander.h"
#include "LString.h"
#include "TextConversion.h"
#include "ViewResources.h"

#include <array>
#include <cstdint>
#include <memory>

class StDialogHandler;

// The alert for files that cannot be read or written: ^0 what failed, ^1 why.
constexpr ResIDT kFileProblemAlert = 1014;

class ParamAlert {
public:
    explicit ParamAlert(ResIDT alertID);
    ~ParamAlert();
    ParamAlert(const ParamAlert&) = delete;
    ParamAlert& operator=(const ParamAlert&) = delete;

    // Indexes above 3 are ignored.
    void SetParameter(int index, const QString& text);
    void SetParameter(int index, const LStr255& text);

    // Beeps and shows the alert; 1 for OK (message 900), 2 for cancel (901), otherwise the
    // ending message or the standard alert's item number. 1 when nothing could be shown (then
    // it beeps once more) or when pane3Value is kDontShow or another alert is showing.
    std::int16_t Show(LCommander* super = nullptr, std::int16_t pane3Value = 0,
                      int autoDismissSeconds = 0);

    static constexpr std::int16_t kDontShow = -128;

    static bool AlertShowing();
    // The beeps alerts have made since the start (for tests).
    static unsigned long BeepCount();

private:
    std::int16_t showOrFail(LCommander* super, std::int16_t pane3Value, int autoDismissSeconds);

    ResIDT mAlertID;
    std::array<WideString, 4> mParameters;
    std::unique_ptr<StDialogHandler> mDialog;
};

// The dynamic property that makes a label the alert's icon: 0 stop, 1 note, 2 caution.
inline constexpr char kAlertIconProperty[] = "alertIcon";
