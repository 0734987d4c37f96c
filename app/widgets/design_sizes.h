// Window sizes of the design, in twips, that more than the window itself needs: the settings
// window places the control window by its size before the control window exists.
#pragma once

namespace quarnel {

constexpr int controlWindowDesignWidth = 5580;
constexpr int controlWindowDesignHeight = 6652;

} // namespace quarnel
