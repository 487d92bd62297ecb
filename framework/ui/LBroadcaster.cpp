#include "LBroadcaster.h"

#include <algorithm>

namespace {

template <typename T> void eraseValue(std::vector<T*>& list, const T* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

template <typename T> bool contains(const std::vector<T*>& list, const T* value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

LBroadcaster::~LBroadcaster() {
    for (LListener* listener : mListeners)
        eraseValue(listener->mBroadcasters, this);
}

void LBroadcaster::AddListener(LListener* listener) {
    if (listener == nullptr || contains(mListeners, listener))
        return;
    mListeners.push_back(listener);
    listener->mBroadcasters.push_back(this);
}

void LBroadcaster::RemoveListener(LListener* listener) {
    if (listener == nullptr)
        return;
    eraseValue(mListeners, listener);
    eraseValue(listener->mBroadcasters, this);
}

bool LBroadcaster::HasListener(const LListener* listener) const {
    return contains(mListeners, listener);
}

void LBroadcaster::BroadcastMessage(MessageT message, void* ioParam) {
    if (!mBroadcasting)
        return;
    // A copy: listeners may come and go meanwhile; one that left is found missing by address.
    const std::vector<LListener*> snapshot = mListeners;
    for (LListener* listener : snapshot) {
        if (contains(mListeners, listener) && listener->IsListening())
            listener->ListenToMessage(message, ioParam);
    }
}

LListener::~LListener() {
    for (LBroadcaster* broadcaster : mBroadcasters)
        eraseValue(broadcaster->mListeners, this);
}
