#pragma once
// Which key names a configuration text can carry: the rule an imported name
// is judged by, so that any name a configuration held (and a table the
// program wrote) imports into any other configuration.
#include <string>

namespace kestrin {

// True when the name (Windows-1251, without the mode's mark) holds no control
// byte and, written into a key line with the mode and read back, gives the
// same name and mode. The length limit of the mode is judged apart.
bool KeyNameRoundTrips(const std::string& name, int mode);

}  // namespace kestrin
