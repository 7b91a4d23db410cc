// Exporting an embedded document as a button does (OpenEmbeddedDocument: the
// resource written in one request to a temporary file beside its name, that
// file renamed over the name, the shell asked to open it) against CopyFileW
// of the same bytes from one file to another in the same folder, measured in
// this run. No application is registered for the document's type, so the
// shell answers at once and opens nothing. The file part alone
// (WriteFileReplacing) is timed beside them, to tell the file system's share
// from the shell's.
//
// All targets exist before every timed round, so each round replaces what
// the previous one left, as a second click on a button does.
#include "figures.h"
#include "file_replacement.h"
#include "open_embedded_document.h"
#include "resource_stream.h"
#include "test_files.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 15;

const TDocumentEntry kDocument{"", "Замер выгрузки", "BENCHDOC", "Замер выгрузки.tvbench"};
const std::wstring kFolder = L"c:\\Tervalen";

bool Holds(const std::wstring& path, const std::string& bytes) { return test::ReadFile(path) == bytes; }

int Run() {
    const TResourceStream document(std::string(kDocument.ResourceName), "FILE");
    const std::string bytes(reinterpret_cast<const char*>(document.Memory()), document.Size());

    test::Remove(kFolder);
    CreateDirectoryW(kFolder.c_str(), nullptr);
    const std::wstring exported = test::Widen(ExportPath(kDocument));
    const std::wstring source = kFolder + L"\\copy source.bin";
    const std::wstring copy = kFolder + L"\\copy target.bin";
    test::WriteFile(source, bytes);

    bool copied = true;
    struct Timed {
        std::function<void()> work;
        std::vector<double> times;
    };
    Timed timed[] = {
        {[] { OpenEmbeddedDocument(kDocument, WindowRef{}); }, {}},
        {[&] { WriteFileReplacing(ExportPath(kDocument), document.Memory(), document.Size()); }, {}},
        {[&] { copied = CopyFileW(source.c_str(), copy.c_str(), FALSE) && copied; }, {}},
    };
    constexpr int kTimed = sizeof timed / sizeof timed[0];
    for (int run = -1; run < kRuns; ++run) {
        // Each takes its turn at going first, so that none always runs right
        // after another has filled the page cache.
        for (int i = 0; i < kTimed; ++i) {
            Timed& next = timed[(run + 1 + i) % kTimed];
            const double time = bench::Milliseconds(next.work);
            // The first round only creates the targets and warms the caches.
            if (run >= 0) next.times.push_back(time);
        }
    }

    // A figure for bytes that did not arrive would mean nothing.
    const bool intact = copied && Holds(exported, bytes) && Holds(copy, bytes) && test::List(kFolder).size() == 3;
    test::Remove(kFolder);
    if (!intact) {
        std::fprintf(stderr, "export_bench: the export or the copy did not write the document's bytes\n");
        return 1;
    }

    const double megabytes = static_cast<double>(bytes.size()) / 1e6;
    const double copyMedian = bench::Median(timed[2].times);
    const auto report = [&](const char* part, const Timed& measured) {
        char name[96];
        std::snprintf(name, sizeof name, "export of %.1f MB document%s", megabytes, part);
        bench::PrintFigure(name, bench::Median(measured.times), "ms", "CopyFileW", copyMedian);
    };
    report("", timed[0]);
    report(", file only, no shell request", timed[1]);
    return 0;
}

}  // namespace

int main() { return bench::Main("export_bench", Run); }
