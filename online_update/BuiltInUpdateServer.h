#pragma once

#include "UpdateServer.h"

// The update server and signer key this build was configured with
// (SLOWNIK_UPDATE_HOST, SLOWNIK_UPDATE_KEY); never read at run time.
class BuiltInUpdateServer final {
public:
    [[nodiscard]] static UpdateServer get();
};
