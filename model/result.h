#pragma once

#include <string>
#include <utility>

// What an operation that can fail reports: done, or why not, in words for the user. Every
// operation that can fail returns one, and the compiler insists that it is looked at.
class [[nodiscard]] Result {
public:
    static Result done() { return Result(); }
    static Result failed(std::string why) {
        Result result;
        result.failed_ = true;
        result.why_ = std::move(why);
        return result;
    }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    // Why it failed; empty when it was done.
    const std::string& why() const { return why_; }

private:
    Result() = default;

    bool failed_ = false;
    std::string why_;
};
