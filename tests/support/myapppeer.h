#pragma once

#include "app/myapp.h"

// Reaches the splash screen while it shows.
struct MyAppTestPeer {
    static QSplashScreen* splash(const MyApp& app) { return app.splash_; }
};
