// Feeds arbitrary bytes to the conversion of earlier quiz settings: it must
// either refuse them with FormatError or produce a whole settings record whose
// every text field reads back within its capacity.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/bytes/FileError.h"
#include "core/settings/SettingsConversion.h"

namespace {

std::vector<std::uint8_t> withEarlierVersion(const std::uint8_t* data, std::size_t size) {
    // Half the inputs get the right version so the fuzzer reaches the copying.
    std::vector<std::uint8_t> bytes(data, data + size);
    if (size > 0 && (data[0] & 1) && bytes.size() >= 5) {
        const std::uint8_t version[] = {4, '2', '.', '0', '1'};
        std::copy(std::begin(version), std::end(version), bytes.begin());
    }
    return bytes;
}

void check(const tavrin::QuizSettings& settings) {
    const auto screens = settings.programScreens();
    const auto opening = screens.openingCommand();
    const auto closing = screens.closingCommand();
    if (opening.runCommand().size() > 200 || closing.runCommand().size() > 200 ||
        settings.settingsVersion() != "2.1" || settings.programWindow().backgroundKind() != 1)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto bytes = withEarlierVersion(data, size);
    try {
        check(tavrin::ConvertEarlierSettings(bytes));
    } catch (const tavrin::FormatError&) {
    }
    return 0;
}
