#pragma once

// A package asset saved by the editor build is checked in under Tests/Game/Fixtures, and the game build
// must load it: the client reads packages the SDK wrote.
#define QUILLON_GOLDEN_PACKAGE_NAME TEXT("/Game/GoldenPack/GoldenPackage")
#define QUILLON_GOLDEN_PACKAGE_FILE TEXT("Tests/Game/Fixtures/GoldenPackage.uasset")
