// How the running application shows itself to the desktop: its window icon, the servo horn
// drawn in packaging/quarnel.svg, and the desktop entry its windows belong to.
#pragma once

namespace quarnel {

void presentToDesktop();

} // namespace quarnel
