#pragma once

// How the pages of a multi-page photo are read, filtered and written: the
// preference Settings.MultipageWrite (CUserProfile::multipageWrite). A value
// outside the three is taken as EveryLayer.
enum LayerMode {
    EveryLayer = 0,     // every page is filtered and written
    Flatten = 1,        // the pages are flattened into one image when read
    FirstLayerOnly = 2, // only the first page is filtered and written
};
