#pragma once

#include "common/result.h"
#include "data/accesodatos.h"
#include "sid3/declaration.h"
#include "sid3/period.h"
#include "sid3/registerimport.h"

#include <functional>

namespace ventrix::sid3 {

// One receipt of a payments-on-account register.
struct RegisterRecord
{
    qint64 id = 0; // 0 while not stored
    QDate fecha;
    QString concepto;
    std::optional<Money> monto;
    QString mes;
    QString anio;
    QString responsable;
    QString cuit;
    QString numAgente;
    bool operator==(const RegisterRecord&) const = default;
};

// The record's "Per" columns as its bound fields hold them, and back: typed dates and amounts
// are read as the screen shows them; a text that is neither reads as empty.
FieldValues registerFields(const RegisterRecord& record);
RegisterRecord withRegisterFields(RegisterRecord record, const FieldValues& values);

enum class RegisterOrder { Fecha, Concepto, Monto, Agente };

// The agent a number was last recorded with.
struct AgentInfo
{
    QString responsable;
    QString cuit;
};

// What a load of an import file did.
struct ImportOutcome
{
    int inserted = 0;
    int rejected = 0;
    bool cancelled = false;
    QString message() const;
};

// The records of one of the four registers of a declaration; the four tables share their shape.
class Sid3RegisterStore
{
public:
    Sid3RegisterStore(data::AccesoDatos& db, Register reg)
        : m_db(db)
        , m_register(reg)
    {
    }
    // The register kept in the table; nullopt for any other name.
    static std::optional<Register> registerOf(const QString& table);

    Register kind() const { return m_register; }
    QString table() const { return registerTable(m_register); }
    // Withholdings and perceptions name their agent; the other two do not.
    bool hasAgent() const
    {
        return m_register == Register::Retenciones || m_register == Register::Percepciones;
    }

    Result<RegisterTotal> VerTabla(qint64 sidId);
    Result<QList<RegisterRecord>> records(qint64 sidId, RegisterOrder order);

    // The date check of the register for the declared month; the message when it is too late.
    Status checkDate(QDate fecha, Period period) const;
    // Stores the record under the declaration after its checks; the record gets its key.
    Status Guardar(RegisterRecord& record, qint64 sidId, Period period);
    Status Borrar(qint64 perId);
    Status BorrarTodos(qint64 sidId);
    Result<std::optional<AgentInfo>> agentByNumber(const QString& number);

    // Inserts the accepted records of the file, in one transaction. When an insert fails the
    // question decides whether to go on (the line counts as rejected) or stop; `cancelled` is
    // asked before each line with the number of lines gone through. What was inserted before a
    // stop or a cancel is kept.
    Result<ImportOutcome> Ingresar_Registros(qint64 sidId, Period period, const ImportFile& file,
        const std::function<bool()>& continueAfterFailure,
        const std::function<bool(int done)>& cancelled = {});

private:
    data::AccesoDatos& m_db;
    Register m_register;
};

}
