#include "fakewindowsystem.h"

#include "model/text.h"

#include <QWindow>

#include <algorithm>

template <typename Change> void FakeWindowSystem::changeAndReport(Change change) {
    std::vector<bool> before;
    before.reserve(watched_.size());
    for (WindowHandle target : watched_)
        before.push_back(isOnShow(target));
    change();
    // The list is copied: a receiver may pin further Stickums while being told.
    const std::vector<WindowHandle> targets = watched_;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool now = isOnShow(targets[i]);
        if (before[i] && !now) emit ownerHidden(targets[i]);
        if (!before[i] && now) emit ownerShown(targets[i]);
    }
}

bool FakeWindowSystem::add(FakeWindow window) {
    if (window.handle == 0 || find(window.handle) != nullptr) return false;
    if (window.parent != 0 && find(window.parent) == nullptr) return false;
    changeAndReport([&] { windows_.push_back(std::move(window)); });
    return true;
}

void FakeWindowSystem::destroy(WindowHandle window) {
    changeAndReport([&] {
        std::vector<WindowHandle> doomed{window};
        for (std::size_t i = 0; i < doomed.size(); ++i) {
            for (const FakeWindow& w : windows_) {
                if (w.parent == doomed[i]) doomed.push_back(w.handle);
            }
        }
        std::erase_if(windows_, [&](const FakeWindow& w) {
            return std::find(doomed.begin(), doomed.end(), w.handle) != doomed.end();
        });
    });
    // A handle that is gone can be given to a new window, which owns nothing yet.
    const bool watched = std::find(watched_.begin(), watched_.end(), window) != watched_.end();
    std::erase(watched_, window);
    std::erase_if(owners_, [&](const auto& entry) { return entry.second == window; });
    if (watched) emit ownerGone(window);
}

void FakeWindowSystem::raise(WindowHandle window) {
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&](const FakeWindow& w) { return w.handle == window; });
    if (it != windows_.end()) std::rotate(it, it + 1, windows_.end());
}

void FakeWindowSystem::setTitle(WindowHandle window, std::string title) {
    if (FakeWindow* w = findMutable(window)) w->title = std::move(title);
}

void FakeWindowSystem::setVisible(WindowHandle window, bool visible) {
    changeAndReport([&] {
        if (FakeWindow* w = findMutable(window)) w->visible = visible;
    });
}

void FakeWindowSystem::minimise(WindowHandle window) {
    changeAndReport([&] {
        if (FakeWindow* w = findMutable(window)) w->minimised = true;
    });
}

void FakeWindowSystem::restore(WindowHandle window) {
    changeAndReport([&] {
        if (FakeWindow* w = findMutable(window)) w->minimised = false;
    });
}

const FakeWindow* FakeWindowSystem::find(WindowHandle window) const {
    if (window == 0) return nullptr;
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [&](const FakeWindow& w) { return w.handle == window; });
    return it == windows_.end() ? nullptr : &*it;
}

FakeWindow* FakeWindowSystem::findMutable(WindowHandle window) {
    return const_cast<FakeWindow*>(find(window));
}

WindowHandle FakeWindowSystem::ownerOf(const QWindow* window) const {
    const auto it = owners_.find(window);
    return it == owners_.end() ? 0 : it->second;
}

bool FakeWindowSystem::exists(WindowHandle window) const {
    return find(window) != nullptr;
}

bool FakeWindowSystem::isOnShow(WindowHandle window) const {
    for (const FakeWindow* w = find(window); w != nullptr; w = find(w->parent)) {
        if (!w->visible || w->minimised) return false;
        if (w->parent == 0) return true;
    }
    return false;
}

std::string FakeWindowSystem::title(WindowHandle window, std::size_t maxBytes) const {
    const FakeWindow* w = find(window);
    return w == nullptr ? std::string() : cutToBytes(w->title, maxBytes);
}

std::vector<WindowHandle> FakeWindowSystem::topLevelWindows() const {
    return childrenOf(0);
}

std::vector<WindowHandle> FakeWindowSystem::childrenOf(WindowHandle window) const {
    std::vector<WindowHandle> children;
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (it->parent == window) children.push_back(it->handle);
    }
    return children;
}

WindowHandle FakeWindowSystem::windowAt(QPoint screenPoint) const {
    if (!pinningAvailable_) return 0;
    for (WindowHandle top : topLevelWindows()) {
        if (WindowHandle found = deepestAt(top, screenPoint)) return found;
    }
    return 0;
}

WindowHandle FakeWindowSystem::deepestAt(WindowHandle window, QPoint point) const {
    const FakeWindow* w = find(window);
    if (!w->visible || w->minimised || !w->rect.contains(point)) return 0;
    for (WindowHandle child : childrenOf(window)) {
        if (WindowHandle found = deepestAt(child, point)) return found;
    }
    return window;
}

WindowHandle FakeWindowSystem::parentOrOwner(WindowHandle window) const {
    const FakeWindow* w = find(window);
    if (w == nullptr) return 0;
    return w->parent != 0 ? w->parent : w->owner;
}

QWindow* FakeWindowSystem::ownerProxy(WindowHandle target) {
    if (!pinningAvailable_ || !exists(target)) return nullptr;
    auto& proxy = proxies_[target];
    if (!proxy) proxy = std::make_unique<QWindow>();
    return proxy.get();
}

bool FakeWindowSystem::makeOwned(QWindow* window, WindowHandle target) {
    ++makeOwnedCalls_;
    if (!pinningAvailable_ || window == nullptr || !exists(target)) return false;
    if (owners_.find(window) == owners_.end()) {
        connect(window, &QObject::destroyed, this, [this, window] { owners_.erase(window); });
    }
    owners_[window] = target;
    window->setTransientParent(ownerProxy(target));
    if (std::find(watched_.begin(), watched_.end(), target) == watched_.end()) {
        watched_.push_back(target);
    }
    return true;
}
