#pragma once

#include <QString>
#include <optional>
#include <utility>

namespace orvella {

// Why something the user asked for (a save, an export, a print) did not happen.
struct Failure {
    // What the user is told: a whole translated sentence, which may quote the reason.
    QString message;
    // The cause in the system's own words (Qt's or the operating system's error string), kept
    // apart from the sentence; empty where the program itself refused.
    QString reason;

    // A failure whose translated message quotes the reason at its %1.
    static Failure quoting(const QString& message, const QString& reason)
    {
        return {message.arg(reason), reason};
    }
};

// What an operation the user asked for came to: done, or a Failure. Every operation that
// tells the user of its failure returns one, so that there is one way to say it.
class [[nodiscard]] Outcome {
public:
    // Done.
    Outcome() = default;
    // Failed: implicit, so that a function can `return Failure{message, reason};`.
    Outcome(Failure failure)
        : m_failure(std::move(failure))
    {}

    bool succeeded() const { return !m_failure.has_value(); }
    explicit operator bool() const { return succeeded(); }

    // The failure's message and reason; empty when it succeeded.
    QString message() const { return m_failure ? m_failure->message : QString(); }
    QString reason() const { return m_failure ? m_failure->reason : QString(); }

private:
    std::optional<Failure> m_failure;
};

} // namespace orvella
