// A list control's BeginUpdate and EndUpdate as a scope: the changes made while it lives are
// shown at once when it ends.
#pragma once

namespace platform {

template <typename List> class BatchedUpdate {
public:
    BatchedUpdate(List& list, int size) : list_(list) { list_.BeginUpdate(size); }
    ~BatchedUpdate() { list_.EndUpdate(); }
    BatchedUpdate(const BatchedUpdate&) = delete;
    BatchedUpdate& operator=(const BatchedUpdate&) = delete;

private:
    List& list_;
};

} // namespace platform
