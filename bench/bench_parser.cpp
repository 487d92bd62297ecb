// Parsing a 31 744-byte program of mixed statements.

#include "LanguageTables.h"
#include "ParseContext.h"
#include "Parser.h"
#include "ResourceChain.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>

namespace {

constexpr std::size_t kProgramBytes = 31744;

// A program built the same way on every machine: statements picked by a fixed linear
// congruential sequence, padded with a comment to the exact size.
std::string mixedProgram() {
    static constexpr std::array<const char*, 16> kStatements = {
        "forward 25\n",
        "right 90\n",
        "back size\n",
        "left\n",
        "size = size + 3 * (count - 1)\n",
        "count = count % 7 + 1\n",
        "repeat 4 [ forward size right 90 ]\n",
        "colour rainbow\n",
        "pensize 3 penup home pendown\n",
        "write \"turtle\" write count\n",
        "symmetry 2 delay 0 speed 100\n",
        "textstyle bold textsize 12 font 3\n",
        "square\n",
        "-- a comment line\n",
        "let total = total + size / 2\n",
        "repeat count [ square left 45 ]\n",
    };
    std::string text = "size = 10\ncount = 1\ntotal = 0\n"
                       "shape square [ repeat 4 [ forward size right 90 ] ]\n";
    std::uint32_t state = 12345;
    for (;;) {
        state = state * 1103515245u + 12345u;
        const char* statement = kStatements[(state >> 16) % kStatements.size()];
        if (text.size() + std::char_traits<char>::length(statement) > kProgramBytes - 4)
            break;
        text += statement;
    }
    text += "--";
    text.append(kProgramBytes - 1 - text.size(), ' ');
    text += '\n';
    return text;
}

void BM_ParseMixedProgram(benchmark::State& state) {
    InitLanguageTablesFrom(ResourceChain(LoadApplicationResources()));
    const std::string program = mixedProgram();
    {
        ParseContext check;
        if (program.size() != kProgramBytes || !ParseProgram(check, program)) {
            state.SkipWithError(
                ("the benchmark program does not parse: " + check.errorMessage.str()).c_str());
            return;
        }
    }
    for (auto _ : state) {
        ParseContext context;
        benchmark::DoNotOptimize(ParseProgram(context, program));
        benchmark::DoNotOptimize(context.firstInstruction.get());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(program.size()));
}
BENCHMARK(BM_ParseMixedProgram)->Unit(benchmark::kMicrosecond);

} // namespace
