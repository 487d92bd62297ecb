#pragma once

// Controls broadcast a message (signed 32-bit) and a parameter to their listeners. Either side
// may die first; the other forgets it.

#include "CommandNumbers.h"

#include <vector>

class LListener;

constexpr MessageT msg_Nothing = 0;

class LBroadcaster {
public:
    LBroadcaster() = default;
    virtual ~LBroadcaster();
    LBroadcaster(const LBroadcaster&) = delete;
    LBroadcaster& operator=(const LBroadcaster&) = delete;

    void AddListener(LListener* listener);
    void RemoveListener(LListener* listener);
    bool HasListener(const LListener* listener) const;

    void StartBroadcasting() { mBroadcasting = true; }
    void StopBroadcasting() { mBroadcasting = false; }
    bool IsBroadcasting() const { return mBroadcasting; }

    // Every listener that is listening hears it, in the order they were added; listeners may be
    // added or removed meanwhile (removed ones are skipped, added ones wait for the next).
    void BroadcastMessage(MessageT message, void* ioParam = nullptr);

private:
    friend class LListener;
    std::vector<LListener*> mListeners;
    bool mBroadcasting = true;
};

class LListener {
public:
    LListener() = default;
    virtual ~LListener();
    LListener(const LListener&) = delete;
    LListener& operator=(const LListener&) = delete;

    virtual void ListenToMessage(MessageT message, void* ioParam) = 0;

    void StartListening() { mListening = true; }
    void StopListening() { mListening = false; }
    bool IsListening() const { return mListening; }

private:
    friend class LBroadcaster;
    std::vector<LBroadcaster*> mBroadcasters;
    bool mListening = true;
};
