#include "app/config_app.h"

namespace kelvd {

ConfigApp& configApp() {
    static ConfigApp app;
    return app;
}

} // namespace kelvd
