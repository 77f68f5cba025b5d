#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One Quillbox per data file: the first start takes a lock beside the data file, a second
// start finds it taken. A lock left by a Quillbox that died is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& dataDirectory);

    // True when this program is the only one using the data file.
    bool acquired() const { return acquired_; }
    // Gives the lock back before the program ends by a way that unwinds nothing.
    void release();

private:
    std::unique_ptr<QLockFile> lock_;
    bool acquired_ = false;
};
