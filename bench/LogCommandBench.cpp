// Whether --log keeps up as the log window does: the helper target sends its own window 20,000
// messages a second for ten seconds while --log writes each as a line (as text, then as JSON
// lines) into a stream that only counts; the window is then closed, which ends the log. Nothing
// may be lost. The floor is the pace: how many sends the target managed with the hooks in it.
#include "BenchSupport.h"

#include "cli/CommandLine.h"
#include "cli/LogCommand.h"
#include "harness/TargetClient.h"

#include <string>
#include <thread>

namespace {

// What a script's pipe would take, counted and dropped.
class CountingStream final : public TextStream {
public:
    bool Write(std::string_view utf8) override {
        m_bytes += utf8.size();
        m_text.assign(utf8);
        return true;
    }
    std::size_t m_bytes = 0;
    std::string m_text; // the last piece
};

bool Round(harness::TargetProcess& target, bool json) {
    constexpr unsigned kPerSecond = 20000;
    const unsigned count = bench::TinyMode() ? 500 : kPerSecond * 10;
    HWND window = target.Create(harness::WindowRequest::Frame(L"Logged", {700, 100, 1000, 400}));
    if (!window)
        return false;
    orvex::cli::Invocation invocation;
    invocation.command = orvex::cli::Command::Log;
    invocation.json = json;
    CountingStream out, errors;
    int status = -1; // read once the thread is joined
    std::thread log([&] { status = RunLog(invocation, window, out, errors); });
    ::Sleep(300); // hooked before the first send
    const harness::TargetProcess::SelfSends sends = target.SelfSend(window, count, kPerSecond);
    ::Sleep(200);
    target.Destroy(window);
    log.join();
    if (sends.micros <= 0 || status != 0)
        return false;

    // "N messages, M lost": each send is logged as it comes and as it returns, and the window's
    // closing adds a few of its own.
    unsigned long long messages = 0, lost = 0;
    std::sscanf(errors.m_text.c_str(), "%llu messages, %llu lost", &messages, &lost);
    const unsigned long long records = 2 * sends.count;
    const std::string which = json ? "--log --json" : "--log";
    const double perSecond = double(sends.count) * 1e6 / double(sends.micros);
    bench::PrintInfoRow(which + ", target sends " + bench::Thousands(kPerSecond) + "/s",
                        bench::Thousands(static_cast<long long>(messages)) + " lines",
                        bench::Thousands(static_cast<long long>(records)) + " sent, " +
                            bench::Thousands(static_cast<long long>(lost)) + " lost",
                        messages >= records && lost == 0 ? "none lost: met" : "none lost: NOT MET");
    char pace[48];
    std::snprintf(pace, sizeof(pace), "%s a second",
                  bench::Thousands(static_cast<long long>(perSecond)).c_str());
    char written[48];
    std::snprintf(written, sizeof(written), "%.1f MB written", double(out.m_bytes) / 1e6);
    bench::PrintInfoRow("  sends the target made", pace, written,
                        perSecond >= kPerSecond * 0.95 ? "pace held" : "pace not held");
    return true;
}

} // namespace

int main(int argc, char** argv) {
    bench::ReadOptions(argc, argv);
    harness::TargetProcess target;
    if (!target.IsRunning() || !Round(target, false) || !Round(target, true)) {
        std::printf("the helper target did not start or the log did not run\n");
        return 1;
    }
    return 0;
}
