#include "tests/support/TempFolder.h"

#include "platform/Separator.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <sys/resource.h>

namespace TestSupport {

TempFolder::TempFolder()
{
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    const auto base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const auto candidate = base / ("vt-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate.string() + Platform::Separator;
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(std::string_view name, std::string_view bytes) const
{
    const std::string path = *this / name;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string TempFolder::Read(std::string_view name) const
{
    std::ifstream file(*this / name, std::ios::binary);
    if (!file)
        throw std::runtime_error("cannot read " + (*this / name));
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

bool TempFolder::Exists(std::string_view name) const { return std::filesystem::exists(*this / name); }

std::string TempFolder::MakeFolder(std::string_view name) const
{
    std::filesystem::create_directories(*this / name);
    return *this / name + Platform::Separator;
}

std::vector<std::string> TempFolder::Entries(std::string_view below) const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(*this / below))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void LimitFileSize(std::size_t bytes, bool killed)
{
    std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN);
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    const rlimit size{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &size);
}

} // namespace TestSupport
