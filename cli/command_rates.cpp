#include "cli/cli.h"

#include "common/clock.h"
#include "common/messages.h"
#include "common/regional.h"
#include "data/database.h"
#include "rates/deliveredindices.h"
#include "rates/indexupdate.h"
#include "rates/ratefields.h"
#include "rates/ratesmessages.h"

#include <QRegularExpression>

namespace ventrix::cli {
namespace {

const QString ListUsage = QStringLiteral("rates list [--from MM/AAAA]");
const QString AddUsage = QStringLiteral("rates add MM/AAAA TASA [--recompute]");

// Prints the program's messages; the recompute question is answered by the command line.
class PrintedMessages : public MessageService
{
public:
    PrintedMessages(Context& context, bool yes)
        : m_context(context)
        , m_yes(yes)
    {
    }

    Answer show(const Message& message) override
    {
        const bool problem = message.icon == MessageIcon::Warning || message.icon == MessageIcon::Critical;
        QTextStream& stream = problem ? m_context.err : m_context.out;
        stream << message.text << '\n';
        if (message.buttons != MessageButtons::YesNo)
            return message.defaultAnswer;
        if (!m_yes) {
            m_context.err
                << "No se cambió nada. Para calcular nuevamente ese mes, repita la orden con --recompute.\n";
            return Answer::No;
        }
        stream << "-> Sí (--recompute)\n";
        return Answer::Yes;
    }
    std::optional<QString> askText(const QString&, const QString&, const QString&) override { return {}; }

private:
    Context& m_context;
    bool m_yes;
};

// Installs a message service for the length of one command.
class MessageScope
{
public:
    explicit MessageScope(MessageService* service)
        : m_previous(&MessageService::instance())
    {
        MessageService::install(service);
    }
    ~MessageScope() { MessageService::install(m_previous); }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;

private:
    MessageService* m_previous;
};

// Opens the data folder's database for writing, creating it with the delivered history when missing.
bool openDatabase(Context& context, data::Database& database)
{
    const QString path = context.folder.databasePath();
    data::OpenResult result = database.open(path);
    if (result.failure == data::OpenFailure::Missing)
        result = database.create(path, rates::loadDeliveredIndices);
    if (!result.ok())
        explainUnusable(context, path, result);
    return result.ok();
}

// "10/2026" -> {10, "2026"}: the month and year texts as typed, checked later like the screen's fields.
std::optional<std::pair<QString, QString>> splitPeriod(const QString& text)
{
    static const QRegularExpression period(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,4})\\s*$"));
    const auto match = period.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return std::pair { match.captured(1), match.captured(2) };
}

int list(Context& context, QStringList args)
{
    QDate from(1, 1, 1);
    if (args.size() == 2 && args.at(0) == QStringLiteral("--from")) {
        const auto period = splitPeriod(args.at(1));
        const auto month = period ? rates::monthValue(period->first) : std::nullopt;
        const auto year = period ? rates::yearValue(period->second) : std::nullopt;
        if (!month || !year) {
            context.err << "Período inválido: " << args.at(1) << '\n'
                        << "Uso: ventrix-cli " << ListUsage << '\n';
            return ExitUsage;
        }
        from = QDate(*year, *month, 1);
    } else if (!args.isEmpty()) {
        context.err << "Uso: ventrix-cli " << ListUsage << '\n';
        return ExitUsage;
    }
    // Reading only: never creates nor upgrades the database.
    data::Database database;
    const data::OpenResult opened = database.openReadOnly(context.folder.databasePath());
    if (!opened.ok()) {
        explainUnusable(context, context.folder.databasePath(), opened);
        return ExitRefused;
    }
    QList<rates::IndexDay> days;
    if (!rates::IndicesTable(database.connection()).since(from, &days)) {
        context.err << rates::msg::databaseError() << '\n';
        return ExitRefused;
    }
    for (const rates::IndexDay& d : days)
        context.out << regional::formatDate(d.fecha) << '\t' << d.indice.toDisplay() << '\t'
                    << d.tasa.toDisplay() << '\n';
    return ExitOk;
}

// The month, year and rate after the screen's field checks; nullopt (with the message) when one is refused.
std::optional<rates::MonthEntry> readEntry(
    Context& context, const std::pair<QString, QString>& period, const QString& rateText)
{
    const auto month = rates::monthValue(period.first);
    const auto year = rates::yearValue(period.second);
    if (!month || !year) {
        context.err << "Período inválido: " << period.first << '/' << period.second << '\n';
        return std::nullopt;
    }
    const auto rate = rates::rateValue(rateText);
    if (!rate) {
        context.err << (rates::rateAboveMaximum(rateText) ? rates::msg::rateOutOfRange()
                                                          : rates::msg::incompleteFields())
                    << '\n';
        return std::nullopt;
    }
    return rates::MonthEntry { *month, *year, *rate };
}

int add(Context& context, QStringList args)
{
    const bool recompute = args.removeAll(QStringLiteral("--recompute")) > 0;
    const auto period = args.size() == 2 ? splitPeriod(args.at(0)) : std::nullopt;
    if (!period) {
        context.err << "Uso: ventrix-cli " << AddUsage << '\n';
        return ExitUsage;
    }
    const auto entry = readEntry(context, *period, args.at(1));
    if (!entry)
        return ExitRefused;
    const auto lock = lockDataFolder(context);
    if (!lock)
        return ExitRefused;
    data::Database database;
    if (!openDatabase(context, database))
        return ExitRefused;
    PrintedMessages printed(context, recompute);
    MessageScope scope(&printed);
    const QDate today = Clock::today();
    const auto outcome = rates::ActualizaIdx(database.connection(), *entry, today);
    const bool entered
        = outcome == rates::UpdateOutcome::Appended || outcome == rates::UpdateOutcome::Recomputed;
    if (entered)
        context.out << rates::msg::monthAppended(entry->firstDay()) << '\n';
    std::optional<rates::MonthProposal> proposal;
    if (rates::CargaTasa(rates::IndicesTable(database.connection()), &proposal))
        rates::remindPendingMonth(proposal, today);
    return entered ? ExitOk : ExitRefused;
}

}

Command ratesCommand()
{
    return { QStringLiteral("rates"), ListUsage + QStringLiteral(" | ") + AddUsage,
        [](Context& context, const QStringList& args) {
            if (args.isEmpty()) {
                context.err << "Uso: ventrix-cli " << ListUsage << '\n'
                            << "     ventrix-cli " << AddUsage << '\n';
                return ExitUsage;
            }
            const QString sub = args.first();
            if (sub == QStringLiteral("list"))
                return list(context, args.mid(1));
            if (sub == QStringLiteral("add"))
                return add(context, args.mid(1));
            context.err << "Uso: ventrix-cli " << ListUsage << '\n'
                        << "     ventrix-cli " << AddUsage << '\n';
            return ExitUsage;
        } };
}

}
