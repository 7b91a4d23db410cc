#include "file_replacement.h"

#include "exceptions.h"
#include "file_stream.h"
#include "file_system.h"

namespace {

// A sharing violation can be passing (a virus scanner glancing at the new
// file); waiting a little is better than failing the user's click.
constexpr int kReplaceAttempts = 10;
constexpr unsigned kReplaceRetryMilliseconds = 50;

std::string TemporaryNameBeside(const std::string& path) {
    static unsigned long counter = 0;
    const std::size_t slash = path.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    return folder + "~tv" + std::to_string(CurrentProcessId()) + "-" + std::to_string(++counter) + ".tmp";
}

// Closes and deletes the temporary file on every way out unless it became
// the real file.
class TemporaryFile {
public:
    TemporaryFile(std::string path, TFileStream& stream) : path_(std::move(path)), stream_(stream) {}
    ~TemporaryFile() {
        stream_.Close();
        if (!kept_) DeleteFileQuietly(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const noexcept { return path_; }
    void Keep() noexcept { kept_ = true; }

private:
    std::string path_;
    TFileStream& stream_;
    bool kept_ = false;
};

void ReplaceWith(const TemporaryFile& temporary, const std::string& path) {
    for (int attempt = 1;; ++attempt) {
        switch (MoveReplacing(temporary.Path(), path)) {
            case ReplaceOutcome::Replaced:
                return;
            case ReplaceOutcome::SharingViolation:
                if (attempt < kReplaceAttempts) {
                    SleepMilliseconds(kReplaceRetryMilliseconds);
                    continue;
                }
                throw EFCreateError(path);
            case ReplaceOutcome::Refused:
                throw EFCreateError(path);
        }
    }
}

}  // namespace

void WriteFileReplacing(const std::string& path, const std::byte* data, std::size_t size) {
    // A rename may ignore the read-only attribute (Wine's does), so the
    // protection the user set is checked here.
    if (HasReadOnlyAttribute(path)) throw EFCreateError(path);

    const std::string temporaryPath = TemporaryNameBeside(path);
    // Created new and unshared, so the file is ours alone from here on.
    TFileStream stream(temporaryPath, path);
    TemporaryFile temporary(temporaryPath, stream);
    if (size > 0) stream.WriteBuffer(data, size);
    stream.Close();
    ReplaceWith(temporary, path);
    temporary.Keep();
}
