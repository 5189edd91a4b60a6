// Feeds arbitrary bytes to the Gift reader and maps what it reads.
#include "InterchangeFuzz.h"
#include "core/interchange/GiftReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return tavrin::interchange::FuzzReader(data, size, tavrin::interchange::ReadGift);
}
