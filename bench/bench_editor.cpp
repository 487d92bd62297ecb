// The program editor: colouring a 31 KB program from scratch and again after one keystroke in
// its middle; a 10 000-segment spiral run from the editor at the starting level 1 (turtle shown)
// into a shown picture window.

#include "CApplication.h"
#include "CPaintWindow.h"
#include "CProgramWindow.h"
#include "CTextEditView.h"
#include "EditorCommands.h"
#include "EditorViews.h"
#include "LEventGuard.h"
#include "ProgramHighlighter.h"

#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_editor";
    static char* argv[] = {name, nullptr};
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static LGuardedApplication app(argc, argv);
    return app;
}

// A program of every kind of word, just under the editor's limit.
QString program31K() {
    const QString lines = QStringLiteral("-- a square spiral, drawn again and again\n"
                                         "repeat 4 [ forward 100 right 90 ]\n"
                                         "let n = n + 1\n"
                                         "color red\n"
                                         "pensize 3\n"
                                         "shape star [ repeat 5 [ forward 50 right 144 ] ]\n");
    QString text;
    while (text.size() + lines.size() <= 31 * 1024)
        text += lines;
    return text;
}

void BM_HighlightFromScratch(benchmark::State& state) {
    application();
    const QString text = program31K();
    for (auto _ : state) {
        state.PauseTiming();
        QTextDocument document(text);
        state.ResumeTiming();
        ProgramHighlighter highlighter(&document);
        benchmark::DoNotOptimize(document.firstBlock().layout());
    }
    state.SetBytesProcessed(state.iterations() * text.toUtf8().size());
}

void BM_RehighlightAfterKeystroke(benchmark::State& state) {
    application();
    CTextEditView editor;
    editor.SetTextQuietly(program31K());
    editor.resize(600, 800);
    editor.show();
    QApplication::processEvents();
    QTextCursor cursor(editor.document());
    cursor.setPosition(editor.document()->characterCount() / 2);
    bool insert = true;
    for (auto _ : state) {
        // A letter typed, then taken back: each iteration is one keystroke.
        if (insert)
            cursor.insertText(QStringLiteral("x"));
        else
            cursor.deletePreviousChar();
        insert = !insert;
    }
}

void BM_SpiralRunFromTheEditor(benchmark::State& state) {
    application();
    CApplication app;
    RegisterEditorViews();
    app.ObeyCommand(cmd_New, nullptr);
    CPaintWindow* view = app.FrontCPaintWindow();
    CProgramWindow* window = CProgramWindow::MakeProgramWindow(&app);
    if (view == nullptr || window == nullptr) {
        state.SkipWithError("no picture or program window");
        return;
    }
    CTextEditView& editor = *window->TextView();
    editor.SetTextQuietly(QStringLiteral("repeat 10000 [\n"
                                         "let n = n + 1\n"
                                         "let d = n % 200\n"
                                         "forward d\n"
                                         "right 91\n"
                                         "]\n"));
    QApplication::processEvents();
    for (auto _ : state) {
        editor.ObeyCommand(EditorCommand::kRunProgram, nullptr);
        QApplication::processEvents(); // the last repaint of the picture
    }
}

} // namespace

BENCHMARK(BM_HighlightFromScratch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RehighlightAfterKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpiralRunFromTheEditor)->Unit(benchmark::kMillisecond)->Iterations(5);
