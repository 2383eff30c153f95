#include "fuzz/FuzzSupport.h"
#include "platform/WholeFile.h"

#include <cstdio>
#include <filesystem>

// Runs the target once over every file of the folders named on the command line, as
// libFuzzer does with -runs=0, so that an ordinary build replays the seed corpora.
int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
            // Named first and unbuffered, so that the input behind a failure is the last one shown.
            std::fprintf(stderr, "%s\n", entry.path().c_str());
            const std::string bytes = Platform::ReadWholeFile(entry.path()).value();
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    // A missing or empty corpus folder must not pass for a replay.
    return replayed > 0 ? 0 : 1;
}
