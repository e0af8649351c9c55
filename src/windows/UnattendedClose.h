#pragma once

// A window that can close without asking anything, when nobody may be there to answer (the
// session ends): it keeps what it can of the work in it instead of asking about it.
class UnattendedClose
{
public:
    virtual void closeUnattended() = 0;

protected:
    ~UnattendedClose() = default;
};
