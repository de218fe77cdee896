// The description of a recovery entry: any bytes are parsed; whatever parses
// is written out again and must read back as the same description.

#include "fuzz/fuzztarget.h"

#include "app/recovery.h"

#include <cstdlib>
#include <optional>

ZUK_FUZZ_TARGET(recovery)
{
    const std::optional<zuk::app::RecoveryMeta> meta = zuk::app::parseRecoveryMeta(input);
    if (!meta)
        return;
    const std::optional<zuk::app::RecoveryMeta> again =
        zuk::app::parseRecoveryMeta(zuk::app::formatRecoveryMeta(*meta));
    if (!again || !(*again == *meta))
        std::abort();
}
