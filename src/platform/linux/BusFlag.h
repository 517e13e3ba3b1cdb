#pragma once
// One yes/no a D-Bus service tells (a screen saver's active state, a notification server's inhibition),
// followed without ever waiting: read when the service appears and again at each signal that it
// changed, false while the service is absent or has not answered. Nothing is started by asking: a
// name nobody owns is never called.
#include <memory>
#include <string>
#include <vector>

typedef struct _GVariant GVariant;

namespace stillmark {

enum class Bus { Session, System };

// A call on the service: its interface, method and arguments (a GVariant text, "" for none).
struct BusCall {
    std::string interface, method, arguments;
};

struct BusFlagSource {
    Bus bus = Bus::Session;
    std::string name; // the well-known name whose owner answers
    std::string path; // the object; empty: the object path the `locate` call answers
    BusCall locate;   // used only when path is empty, on locateObject
    std::string locateObject;
    BusCall read; // answers the flag: the first boolean of the reply, inside a variant or not
    // The signals on the object that tell of a change (the flag is read again on each); with a
    // signalFilter, only those whose first argument is that text (an interface, a channel).
    std::string signalInterface;
    std::vector<std::string> signalMembers;
    std::string signalFilter;
};

// The first boolean of a reply: (b), (v) holding b, or b; false for anything else.
bool FirstBoolean(GVariant* reply);

class BusFlag {
public:
    explicit BusFlag(BusFlagSource source);
    ~BusFlag();
    BusFlag(const BusFlag&) = delete;
    BusFlag& operator=(const BusFlag&) = delete;

    bool Value() const;

private:
    struct State;
    std::shared_ptr<State> m_state; // shared with the calls still out, which outlive this object
};

} // namespace stillmark
