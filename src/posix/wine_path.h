#pragma once
// On Linux the game runs under Wine, so a Windows path from the settings ("C:\Program Files\...")
// names a file inside the Wine prefix. These find that file; the stored text never changes.
#include <functional>
#include <optional>
#include <string>

namespace vis {

// The value of an environment variable, or nothing when it is not set.
using EnvLookup = std::function<std::optional<std::string>(const std::string& name)>;

// $WINEPREFIX when set and not empty, else $HOME/.wine; empty when neither is known.
std::string wine_prefix(const EnvLookup& env);

// Where a drive-absolute Windows path ("C:\a\b", "c:/a", either separator inside) lies under the
// Wine prefix: through the drive's link in dosdevices/, each component matched exactly or else
// without regard to ASCII letter case, as Wine does. The first component that is not there and
// all after it stay as written, so a missing file is still missing. Any other path, or an empty
// prefix, comes back unchanged.
std::string resolve_in_prefix(const std::string& path, const std::string& prefix);

}  // namespace vis
