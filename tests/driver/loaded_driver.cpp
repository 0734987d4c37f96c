// These tests call the real libTavik.so, loaded as the application loads it.
#include "driver_fixture.h"

namespace tavik::testing {

const TavikLibrary &driverUnderTest() { return TavikLibrary::get(); }

} // namespace tavik::testing
