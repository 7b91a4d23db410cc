#pragma once

// The root of everything that can be the sender of an event.
class TObject {
public:
    virtual ~TObject() = default;
};
