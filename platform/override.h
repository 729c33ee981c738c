// Each platform interface has one active implementation: the platform's own, unless a test has
// put another in its place for a while (to fail writes part-way, say).
#pragma once

namespace platform {

template <typename Interface> class Override {
public:
    explicit Override(Interface& replacement) : previous_(slot()) { slot() = &replacement; }
    ~Override() { slot() = previous_; }
    Override(const Override&) = delete;
    Override& operator=(const Override&) = delete;

    // The replacement in force, or null when the platform's own is active.
    static Interface*& slot() {
        static Interface* current = nullptr;
        return current;
    }

private:
    Interface* previous_;
};

} // namespace platform
