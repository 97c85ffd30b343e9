#pragma once

#include <functional>
#include <type_traits>
#include <utility>

namespace vexa {

class Database;
class Messages;

// Every user action — a slot behind a button, a key of the keyboard table, an event
// handler — runs through this guard. Whatever the action throws (a database held by another
// program, a value the database refuses, a file that cannot be read) stops there: what the
// action had open in the database is rolled back, the reason is shown through Komunikat,
// and the program and the page the user was on stay alive.
class ActionGuard {
public:
    // The program's messages and database; the main window installs them for its life.
    // Without them an error is written to the standard error output instead.
    static void install(Messages* messages, Database* db);
    static void uninstall(Messages* messages);

    // Runs the action; false when it ended with an error, which has then been shown.
    static bool run(const std::function<void()>& action) noexcept;
};

// A slot that runs through the guard. `guarded(fn)` wraps a functor; `guarded(obj, &C::m)`
// wraps a member function. The wrapper takes what the signal passes and hands on as many
// arguments as the slot accepts, as Qt does for a plain slot.
template <class F> auto guarded(F f) {
    return [f = std::move(f)](
               auto&&... args) -> decltype(std::invoke(f, std::forward<decltype(args)>(args)...),
                                           void()) {
        ActionGuard::run([&] { std::invoke(f, std::forward<decltype(args)>(args)...); });
    };
}

template <class C, class M> auto guarded(C* object, M member) {
    return [object,
            member](auto&&... args) -> decltype(std::invoke(member, object,
                                                            std::forward<decltype(args)>(args)...),
                                                void()) {
        ActionGuard::run(
            [&] { std::invoke(member, object, std::forward<decltype(args)>(args)...); });
    };
}

} // namespace vexa
