// The NAVTEX reader and the stored memory under arbitrary bytes: libFuzzer's entry point, also
// replayed over the seeds in navtex-seeds/ by any compiler. Whatever the bytes, the messages read
// must survive the memory's save and load unchanged, and stored text that loads must save back
// to the very bytes it came from.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "navtex/MessageMemory.h"
#include "navtex/MessageReader.h"
#include "navtex/StationTable.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    navtex::MessageReader reader;
    navtex::MessageMemory memory;
    navtex::UtcSeconds now = 0;
    for (navtex::NavtexMessage& message : reader.Read(bytes)) memory.Receive(navtex::k518kHz, message, now += 600);
    if (std::optional<navtex::NavtexMessage> last = reader.EndOfSignal()) memory.Receive(navtex::k490kHz, *last, now);
    const std::optional<navtex::MessageMemory> reloaded = navtex::MessageMemory::Load(memory.Save());
    if (!reloaded || reloaded->Save() != memory.Save()) std::abort();

    if (const std::optional<navtex::MessageMemory> stored = navtex::MessageMemory::Load(bytes)) {
        if (stored->Save() != bytes) std::abort();
    }
    return 0;
}
