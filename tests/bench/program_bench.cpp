// Tervalen started from outside beside a minimal window program built the same
// way (minimal_window.cpp), both in every round, taking turns at going
// first: the time from CreateProcessW to the main window shown, the peak
// working set once the window has been shown and painted, and the processor
// time each spends over the same five idle seconds, no input given. Medians
// over the rounds; the first round only warms Wine's server, the loader and
// the page cache.
#include "figures.h"
#include "program.h"
#include "test_files.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using bench::Median;
using bench::PrintFigure;

constexpr int kRounds = 9;
constexpr double kWindowWaitMilliseconds = 20000;
constexpr DWORD kPaintMilliseconds = 1000;
constexpr DWORD kIdleMilliseconds = 5000;
constexpr DWORD kExitWaitMilliseconds = 10000;
// The cover, 1,760 x 2,490 pixels, decoded at 24 bits a pixel.
constexpr double kDecodedCoverBytes = 13'147'200;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::vector<double> Differences(const std::vector<double>& from, const std::vector<double>& minus) {
    std::vector<double> differences;
    for (std::size_t i = 0; i < from.size(); ++i) differences.push_back(from[i] - minus[i]);
    return differences;
}

double Ticks(const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

// One copy of a program, from its start until it has been closed.
class Launched {
public:
    Launched(const std::string& name, const std::wstring& executable, const wchar_t* className)
        : name_(name), program_(executable) {
        const double deadline = begin_ + kWindowWaitMilliseconds;
        // A millisecond between looks keeps the error of the figure below one.
        while (!(window_ = program_.FindWindowOf(className))) {
            if (Now() > deadline) throw std::runtime_error(name_ + " showed no window");
            Sleep(1);
        }
        startMilliseconds_ = Now() - begin_;
        process_ = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program_.Id());
        if (!process_) throw std::runtime_error("cannot query " + name_);
    }
    ~Launched() {
        if (process_) CloseHandle(process_);
    }
    Launched(const Launched&) = delete;
    Launched& operator=(const Launched&) = delete;

    double StartMilliseconds() const { return startMilliseconds_; }

    double PeakWorkingSetBytes() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof counters;
        if (!GetProcessMemoryInfo(process_, &counters, sizeof counters)) {
            throw std::runtime_error("no memory counters for " + name_);
        }
        return static_cast<double>(counters.PeakWorkingSetSize);
    }

    // Wine 8 answers GetProcessTimes on another process with the caller's own
    // times, so the process's threads are summed instead; Wine reads their
    // times from the system, in steps of 10 ms. A thread that ends between two
    // readings is missed.
    double ProcessorMilliseconds() const {
        HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
        if (snapshot == INVALID_HANDLE_VALUE) throw std::runtime_error("no thread list for " + name_);
        double ticks = 0;
        int threads = 0;
        THREADENTRY32 entry{};
        entry.dwSize = sizeof entry;
        for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
            if (entry.th32OwnerProcessID != program_.Id()) continue;
            HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
            if (!thread) continue;
            FILETIME creation, exit, kernel, user;
            if (GetThreadTimes(thread, &creation, &exit, &kernel, &user)) {
                ticks += Ticks(kernel) + Ticks(user);
                ++threads;
            }
            CloseHandle(thread);
        }
        CloseHandle(snapshot);
        if (threads == 0) throw std::runtime_error("no thread of " + name_ + " could be read");
        return ticks / 10'000.0;
    }

    // Asks the window to close, as its close box does; the program has to end with 0.
    void Close() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        if (program_.WaitForExit(kExitWaitMilliseconds) != 0) {
            throw std::runtime_error(name_ + " did not end with 0 when its window was closed");
        }
    }

private:
    std::string name_;
    // Before the program, so that the time includes creating its process.
    const double begin_ = Now();
    test::Program program_;
    HWND window_ = nullptr;
    HANDLE process_ = nullptr;
    double startMilliseconds_ = 0;
};

int Run() {
    const std::wstring tervalenExe = test::HostPath(TERVALEN_EXE);
    const std::wstring minimalExe = test::HostPath(MINIMAL_WINDOW_EXE);

    std::vector<double> tervalenStart, minimalStart, tervalenPeak, minimalPeak, tervalenIdle, minimalIdle;
    for (int round = -1; round < kRounds; ++round) {
        std::optional<Launched> tervalen, minimal;
        if (round % 2 == 0) {
            tervalen.emplace("Tervalen", tervalenExe, L"TForm1");
            minimal.emplace("the minimal program", minimalExe, L"MinimalWindow");
        } else {
            minimal.emplace("the minimal program", minimalExe, L"MinimalWindow");
            tervalen.emplace("Tervalen", tervalenExe, L"TForm1");
        }
        if (round >= 0) {
            Sleep(kPaintMilliseconds);
            tervalenPeak.push_back(tervalen->PeakWorkingSetBytes());
            minimalPeak.push_back(minimal->PeakWorkingSetBytes());

            const double tervalenBefore = tervalen->ProcessorMilliseconds();
            const double minimalBefore = minimal->ProcessorMilliseconds();
            Sleep(kIdleMilliseconds);
            tervalenIdle.push_back(tervalen->ProcessorMilliseconds() - tervalenBefore);
            minimalIdle.push_back(minimal->ProcessorMilliseconds() - minimalBefore);

            tervalenStart.push_back(tervalen->StartMilliseconds());
            minimalStart.push_back(minimal->StartMilliseconds());
        }
        tervalen->Close();
        minimal->Close();
    }

    constexpr double kMegabyte = 1e6;
    const double tervalenPeakMedian = Median(tervalenPeak) / kMegabyte;
    const double minimalPeakMedian = Median(minimalPeak) / kMegabyte;
    const double coverMegabytes = kDecodedCoverBytes / kMegabyte;
    PrintFigure("start to main window shown", Median(tervalenStart), "ms", "minimal window program",
           Median(minimalStart));
    PrintFigure("peak working set after first paint", tervalenPeakMedian, "MB", "decoded cover", coverMegabytes);
    PrintFigure("peak working set after first paint, against a bare window", tervalenPeakMedian, "MB",
           "minimal window program", minimalPeakMedian);
    PrintFigure("peak working set beyond a bare window's", Median(Differences(tervalenPeak, minimalPeak)) / kMegabyte,
           "MB", "decoded cover", coverMegabytes);
    PrintFigure("processor time over 5 idle seconds", Median(tervalenIdle), "ms", "minimal window program",
           Median(minimalIdle));
    return 0;
}

}  // namespace

int main() { return bench::Main("program_bench", Run); }
