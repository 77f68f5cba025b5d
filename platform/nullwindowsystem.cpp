#include "platform/nullwindowsystem.h"

bool NullWindowSystem::pinningAvailable() const {
    return false;
}
bool NullWindowSystem::exists(WindowHandle) const {
    return false;
}
bool NullWindowSystem::isOnShow(WindowHandle) const {
    return false;
}
std::string NullWindowSystem::title(WindowHandle, std::size_t) const {
    return {};
}
std::vector<WindowHandle> NullWindowSystem::topLevelWindows() const {
    return {};
}
WindowHandle NullWindowSystem::windowAt(QPoint) const {
    return 0;
}
WindowHandle NullWindowSystem::parentOrOwner(WindowHandle) const {
    return 0;
}
QWindow* NullWindowSystem::ownerProxy(WindowHandle) {
    return nullptr;
}
bool NullWindowSystem::makeOwned(QWindow*, WindowHandle) {
    return false;
}
