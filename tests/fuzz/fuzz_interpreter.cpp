// Parses arbitrary bytes and runs them on a view that checks every point it is given. A run
// that goes on too long is stopped the way a user stops one: by a key press.

#include "LanguageTables.h"
#include "NullTurtleView.h"
#include "ResourceChain.h"
#include "RunContext.h"
#include "RunControl.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Fails the run when a stroke or a fill could reach far outside the picture.
class CheckingView : public NullTurtleView {
public:
    CheckingView() : NullTurtleView(Rect{0, 0, 300, 400}) {}
    void setHeading(float degrees) override {
        if (degrees < 0 || degrees >= 360)
            std::abort();
    }
    // Either both ends are handed over as they are, or both lie on the square around the
    // picture (centre (200, 150), half side 464).
    void lineTurtleTo(Point p, float heading) override {
        const auto exact = [](Point q) { return std::abs(q.h) <= 16000 && std::abs(q.v) <= 16000; };
        const auto near = [](Point q) {
            return std::abs(q.h - 200) <= 464 && std::abs(q.v - 150) <= 464;
        };
        if (!(exact(mTurtle) && exact(p)) && !(near(mTurtle) && near(p)))
            std::abort();
        moveTurtleTo(p, heading);
    }
    void moveTurtleTo(Point p, float heading) override {
        setHeading(heading);
        mTurtle = p;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QObject* const keyTarget = [] {
        static int argc = 1;
        static char name[] = "fuzz_interpreter";
        static char* argv[] = {name, nullptr};
        // Never destroyed: at exit its children (the keyboard device of the key events) would be
        // torn down after the GUI state they refer to.
        new QCoreApplication(argc, argv);
        InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
        return new QObject;
    }();

    CheckingView view;
    RunContext context(std::string_view(reinterpret_cast<const char*>(data), size), 0, &view,
                       nullptr);
    QObject thisRun; // ends the stop timer with the run
    QTimer::singleShot(30, &thisRun, [] {
        QCoreApplication::postEvent(
            keyTarget, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    });
    ExecuteRun(context);
    if (context.runDepth != 0 || RunInProgress())
        std::abort();
    return 0;
}
