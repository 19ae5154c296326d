#include "cp01/cp01pages.h"

#include "common/print/authorityheader.h"
#include "cp01/cp01pagerecord.h"

#include <algorithm>
#include <functional>

namespace ventrix::cp01 {
namespace {

// Lines of a table, and of the responsible persons' and activities' lists, 0.405 cm apart.
constexpr qreal RowStep = 4.05;
constexpr qreal LineStep = 4.2;
constexpr int ResponsibleRows = 5;
constexpr qreal SwornTop = 222;

QString cp01(const char* name)
{
    return QStringLiteral("CP01_") + QString::fromUtf8(name);
}

QString shown(const FieldValues& fields, const QString& column)
{
    return printedValue(fields.value(column));
}

// A CUIT or I.S.I.B. number as typed; its bare mask, with no digit, is an empty field.
QString identifier(const FieldValues& fields, const QString& column)
{
    const QString text = shown(fields, column);
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }) ? text : QString();
}

// Two values printed as one, joined by a blank ("Belgrano 123", "DNI 12345678").
QString joined(const QString& a, const QString& b)
{
    return QString(a + u' ' + b).trimmed();
}

// The reception box, the authority header, the title lines and the four values every page carries.
void header(PageBuilder& b, const Cp01Record& r, const QString& receipt)
{
    b.roundedBox(QRectF(82, 4, 46, 38));
    b.centred(82, 46, 5.5, QStringLiteral("Recepción"), 8, true);
    b.centred(82, 46, 36.5, QStringLiteral("Sello Fechador"), 7);
    b.roundedBox(QRectF(131, 4, 71, 38));
    b.label(133, 11.1, QStringLiteral("Comprobante N°"), 8, true);
    b.line(131, 16.5, 202, 16.5);
    const QStringList lines = print::AuthorityHeader::current().lines();
    for (int i = 0; i < lines.size(); ++i)
        b.centred(6, 72, 5 + 3.4 * i, lines[i], 7, i >= 3);
    b.centred(6, 72, 25.5, QStringLiteral("IMPUESTO S/LOS INGRESOS BRUTOS"), 9, true);
    b.centred(6, 72, 30.5, QStringLiteral("FORMULARIO CP01"), 12, true);
    b.label(133, 27.3, QStringLiteral("TRAMITE :"), 8, true);
    b.label(133, 33.6, QStringLiteral("C.U.I.T. :"));
    b.label(133, 37.8, QStringLiteral("I.S.I.B. N° :"));

    b.value(156.9, 11.1, 44, receipt);
    b.value(147.7, 27.3, 53.5, r.tramite().trimmed(), 2);
    b.value(150, 33.6, 50, identifier(r.fields, col::Cuit));
    b.value(150, 37.8, 50, identifier(r.fields, col::IngBrut));
}

void naturalPerson(PageBuilder& b, const Cp01Record& r)
{
    b.bar(45, QStringLiteral(" PERSONAS FISICAS"));
    b.label(9, 50, QStringLiteral("APELLIDO Y NOMBRE :"));
    b.label(9, 54.2, QStringLiteral("DOCUMENTO   Tipo:"));
    b.label(62, 54.2, QStringLiteral("N°"));
    b.label(95, 54.2, QStringLiteral("NACIONALIDAD:"));
    b.label(9, 58.4, QStringLiteral("SEXO:"));
    b.label(30, 58.4, QStringLiteral("FECHA NACIMIENTO:"));
    b.label(95, 58.4, QStringLiteral("EST.CIVIL :"));
    if (r.isLegalPerson())
        return;
    const FieldValues& f = r.fields;
    b.value(37, 54.2, 24, shown(f, cp01("PerFis_TipoDoc")));
    b.value(67, 54.2, 26, shown(f, cp01("PerFis_NumDoc")));
    b.value(40, 50, 160, shown(f, col::Contribuyente));
    b.value(118, 54.2, 82, shown(f, cp01("PerFis_Nacionalidad")));
    b.value(19, 58.4, 10, shown(f, cp01("PerFis_Sexo")));
    b.value(60, 58.4, 33, shown(f, cp01("PerFis_FhNacim")));
    b.value(112, 58.4, 88, shown(f, cp01("PerFis_EstadoCivil")));
}

void legalPerson(PageBuilder& b, const Cp01Record& r)
{
    b.bar(63, QStringLiteral(" PERSONAS JURIDICAS"));
    b.label(9, 68, QStringLiteral("RAZON  SOCIAL:"));
    b.label(9, 72.2, QStringLiteral("NATURALEZA JURIDICA:"));
    b.label(148, 72.2, QStringLiteral("DURACION DE AÑOS:"));
    if (!r.isLegalPerson())
        return;
    b.value(33, 68, 167, shown(r.fields, col::Contribuyente));
    b.value(180, 72.2, 20, shown(r.fields, cp01("PerJur_DuracionAños")));
    b.value(44, 72.2, 102, shown(r.fields, cp01("PerJur_Nat_Juridica")));
}

void complementary(PageBuilder& b, const Cp01Record& r)
{
    const FieldValues& f = r.fields;
    b.bar(77, QStringLiteral(" INFORMACION COMPLEMENTARIA"));
    b.label(9, 82, QStringLiteral("N° DE INSCRIP.  EN REG. PUBLICO DE COMERCIO:"));
    b.label(96, 82, QStringLiteral("AÑO:"));
    b.label(117, 82, QStringLiteral("FECHA:"));
    b.label(150, 82, QStringLiteral("TOMO:"));
    b.label(172, 82, QStringLiteral("FOLIO:"));
    b.label(9, 86.2, QStringLiteral("FECHA CIERRE DEL EJERCICIO:"));
    b.label(78, 86.2, QStringLiteral("RESPONSABILIDAD:"));
    b.value(80, 82, 15, shown(f, cp01("RegPubCom_Numero")));
    b.value(182, 82, 20, shown(f, cp01("RegPubCom_Folio")));
    b.value(161, 82, 10, shown(f, cp01("RegPubCom_Tomo")));
    b.value(107, 86.2, 93, shown(f, cp01("RegPubCom_CondIVA")));
    b.value(104, 82, 12, shown(f, cp01("RegPubCom_Año")));
    b.value(129, 82, 20, shown(f, cp01("RegPubCom_Fecha")));
    b.value(55, 86.2, 22, shown(f, cp01("RegPubCom_FechaCierre")));
}

void fiscalAddressFirst(PageBuilder& b, const Cp01Record& r)
{
    const FieldValues& f = r.fields;
    b.bar(149, QStringLiteral(" DOMICILIO  FISCAL"));
    b.label(9, 154, QStringLiteral("CALLE:"));
    b.label(92, 154, QStringLiteral("N°"));
    b.label(115, 154, QStringLiteral("MONOBLOCK:"));
    b.label(145, 154, QStringLiteral("PUERTA:"));
    b.label(163, 154, QStringLiteral("PISO:"));
    b.label(178, 154, QStringLiteral("DEPTO.:"));
    b.label(9, 158.2, QStringLiteral("OFICINA:"));
    b.label(40, 158.2, QStringLiteral("TEL. :"));
    b.label(85, 158.2, QStringLiteral("E-MAIL :"));
    b.label(9, 162.4, QStringLiteral("LOCALIDAD:"));
    b.label(85, 162.4, QStringLiteral("COD. POSTAL:"));
    b.label(125, 162.4, QStringLiteral("PROVINCIA:"));
    b.value(20, 154, 71, shown(f, cp01("DomFisc_Domicilio")));
    b.value(97, 154, 17, shown(f, cp01("DomFisc_DomNumero")));
    b.value(132, 154, 12, shown(f, cp01("DomFisc_Monoblock")));
    b.value(157, 154, 5, shown(f, cp01("DomFisc_Planta")));
    b.value(172.5, 154, 5, shown(f, cp01("DomFisc_Piso")));
    b.value(191, 154, 10, shown(f, cp01("DomFisc_Depto")));
    b.value(23, 158.2, 16, shown(f, cp01("DomFisc_Oficina")));
}

void fiscalAddressRest(PageBuilder& b, const Cp01Record& r)
{
    const FieldValues& f = r.fields;
    b.value(49, 158.2, 35, shown(f, cp01("DomFisc_Telefono")));
    b.value(27, 162.4, 57, shown(f, cp01("DomFisc_Localidad")));
    b.value(107, 162.4, 17, shown(f, cp01("DomFisc_CodPostal")));
    b.value(142, 162.4, 59, shown(f, cp01("DomFisc_Provincia")));
    b.value(99, 158.2, 102, shown(f, cp01("DomFisc_Email")));
}

// The entity's responsible persons: one line each in the list, then the rest of each one's
// private address and CUIT, on the line of the same number in the table below it.
void responsibles(PageBuilder& b, const Cp01Record& r)
{
    b.bar(91, QStringLiteral(" NOMINA DE RESPONSABLES O COMPONENTES DE LA ENTIDAD"));
    b.label(13, 96, QStringLiteral("Apellido y Nombres"), 7, true);
    b.label(60, 96, QStringLiteral("Domicilio Particular"), 7, true);
    b.label(119, 96, QStringLiteral("Tipo y N° Doc."), 7, true);
    b.label(148, 95.5, QStringLiteral("Cargo que"), 7, true);
    b.label(148, 98.3, QStringLiteral("Desempeña"), 7, true);
    b.label(175.5, 96, QStringLiteral("Carácter de la Firma"), 7, true);
    b.line(8, 101.8, 202, 101.8);
    const QList<std::pair<const char*, qreal>> rest { { "Monoblock", 13 }, { "Puerta", 29 }, { "Piso", 39 },
        { "Dpto.", 47 }, { "Oficina", 56 }, { "Localidad", 68 }, { "Provincia", 110 }, { "C.U.I.T.", 160 } };
    for (const auto& [caption, x] : rest)
        b.label(x, 124, QString::fromUtf8(caption), 7, true);
    b.line(8, 127.3, 202, 127.3);
    for (int i = 0; i < ResponsibleRows; ++i) {
        b.label(9, 103 + RowStep * i, QString::number(i + 1) + u'.', 7);
        b.label(9, 128 + RowStep * i, QString::number(i + 1) + u'.', 7);
    }
    b.box(QRectF(8, 95, 194, 53));
    if (!r.isLegalPerson())
        return;
    QList<int> named;
    for (int n = 1; n <= ResponsibleRows; ++n) {
        if (!r.text(col::responsible(n, QStringLiteral("ApellidoNombre"))).trimmed().isEmpty())
            named << n;
    }
    const auto item = [&r](int n, const char* name) {
        return shown(r.fields, col::responsible(n, QString::fromUtf8(name)));
    };
    for (int i = 0; i < named.size(); ++i) {
        const int n = named[i];
        const qreal y = 103 + RowStep * i;
        b.value(13, y, 46, item(n, "ApellidoNombre"));
        b.value(60, y, 58, joined(item(n, "Domicilio"), item(n, "DomNumero")));
        b.value(119, y, 28, joined(item(n, "TipoDoc"), item(n, "NumDoc")));
        b.value(148, y, 28, item(n, "Cargo"));
        b.value(177, y, 24, shown(r.fields, col::Firma));
    }
    for (int i = 0; i < named.size(); ++i) {
        const int n = named[i];
        const qreal y = 128 + RowStep * i;
        b.value(13, y, 15, item(n, "Monobloc"));
        b.value(29, y, 9, item(n, "Planta"));
        b.value(39, y, 7, item(n, "Piso"));
        b.value(47, y, 8, item(n, "Depto"));
        b.value(56, y, 11, item(n, "Oficina"));
        b.value(68, y, 41, item(n, "Localidad"));
        b.value(110, y, 49, item(n, "Provincia"));
        b.value(160, y, 41, identifier(r.fields, col::responsible(n, QStringLiteral("CUIT"))));
    }
}

using ColumnOf = std::function<QString(const char*)>;

// A premises framed at top with its activities below: 56 mm of the page.
void premises(
    PageBuilder& b, qreal top, const FieldValues& f, const ColumnOf& c, const ActivityTable& activities)
{
    const qreal r1 = top + 1;
    const qreal r2 = r1 + LineStep;
    const qreal r3 = r2 + LineStep;
    const qreal r4 = r3 + LineStep;
    b.box(QRectF(8, top, 194, 18));
    b.label(9, r1, QStringLiteral("Comercio N°:"));
    b.label(40, r1, QStringLiteral("Fecha de Iniciación :"));
    b.label(92, r1, QStringLiteral("Nombre de Fantasía :"));
    b.label(170, r1, QStringLiteral("Tel. :"));
    b.label(9, r2, QStringLiteral("Domicilio donde desarrolla Actividades  ( calle ) :"));
    b.label(137, r2, QStringLiteral("N°"));
    b.label(9, r3, QStringLiteral("Monoblock :"));
    b.label(38, r3, QStringLiteral("Puerta :"));
    b.label(57, r3, QStringLiteral("Piso :"));
    b.label(73, r3, QStringLiteral("Dpto.:"));
    b.label(92, r3, QStringLiteral("Oficina :"));
    b.label(117, r3, QStringLiteral("Localidad:"));
    b.label(9, r4, QStringLiteral("Caracteristica:"));
    b.label(50, r4, QStringLiteral("Cód.Postal.:"));
    b.value(27, r1, 12, shown(f, c("ComerNum")));
    b.value(70, r1, 21, shown(f, c("FhInicio")));
    b.value(121, r1, 48, shown(f, c("Nombre")));
    b.value(178, r1, 23, shown(f, c("Telefono")));
    b.value(80, r2, 55, shown(f, c("Domicilio")));
    b.value(142, r2, 20, shown(f, c("DomicNumero")));
    b.value(26, r3, 11, shown(f, c("Monoblock")));
    b.value(50, r3, 6, shown(f, c("Planta")));
    b.value(66, r3, 6, shown(f, c("Piso")));
    b.value(83, r3, 8, shown(f, c("Depto")));
    b.value(105, r3, 11, shown(f, c("Oficina")));
    b.value(132, r3, 69, shown(f, c("Localidad")));
    b.value(31, r4, 18, shown(f, c("Te_Caract")));
    b.value(68, r4, 20, shown(f, c("CodPostal")));

    const qreal barY = top + 20;
    const qreal headY = barY + 5;
    b.bar(barY, QStringLiteral(" INFORMACION RELATIVA A LAS ACTIVIDADES"));
    b.label(25, headY, QStringLiteral("Descripción de Actividades"), 7, true);
    b.label(9, headY, QStringLiteral("Código"), 7, true);
    b.label(153, headY, QStringLiteral("Fecha"), 7, true);
    b.label(178, headY, QStringLiteral("Fec. Cese"), 7, true);
    b.line(8, headY + 3.6, 202, headY + 3.6);
    b.box(QRectF(8, headY - 0.8, 194, 4.5 + ActivityTable::Rows * RowStep + 0.8));
    int line = 0;
    for (const ActivityRow& a : activities.rows()) {
        if (a.isEmpty())
            continue;
        const qreal y = headY + 4.5 + RowStep * line++;
        b.value(9, y, 15, a.codigo.trimmed());
        b.value(25, y, 127, a.denominacion.trimmed());
        b.value(153, y, 24, recordDate(a.fecha));
        b.value(178, y, 23, recordDate(a.fhCese));
    }
}

void premisesOf(PageBuilder& b, qreal top, const Cp01Record& r, int n)
{
    premises(
        b, top, r.fields, [n](const char* item) { return col::premises(n, QString::fromUtf8(item)); },
        r.premisesActivities(n));
}

void swornStatement(PageBuilder& b)
{
    b.box(QRectF(8, SwornTop, 118, 22));
    b.label(10, SwornTop + 1, QStringLiteral("Declaración Jurada."), 8, true);
    const QStringList lines { QStringLiteral("Declaro que los datos consignados en este formulario son"),
        QStringLiteral("correctos y completos, y que ésta"),
        QStringLiteral("confeccionado utilizando el software aplicativo aprobado y"),
        QStringLiteral("entregado por la A.G.T.  del Valdera, sin omitir ni falsear dato"),
        QStringLiteral("alguno que deba contener siendo fiel expresión de la verdad.") };
    for (int i = 0; i < lines.size(); ++i)
        b.label(10, SwornTop + 4.8 + 3.3 * i, lines[i], 7.5);
    b.box(QRectF(128, SwornTop, 74, 22));
    b.centred(128, 74, SwornTop + 1, QStringLiteral("CERTIFICAR FIRMA Y SELLAR AL DORSO"), 7.5, true);
    b.line(134, SwornTop + 13.5, 196, SwornTop + 13.5);
    b.centred(128, 74, SwornTop + 14.2, QStringLiteral("Firma y Aclaración"), 7.5);
    b.label(130, SwornTop + 18.2, QStringLiteral("En carácter de:"), 7.5);
}

}

bool hasSecondPage(const Cp01Record& record)
{
    return !record.text(col::premises(2, QStringLiteral("Nombre"))).trimmed().isEmpty()
        || !record.text(col::premises(3, QStringLiteral("Nombre"))).trimmed().isEmpty();
}

Cp01Page page1(const Cp01Record& record, const QString& receipt, int total)
{
    PageBuilder b;
    header(b, record, receipt);
    b.label(133, 21.5, QStringLiteral("PERSONAS :"));
    b.value(152, 21.5, 48, shown(record.fields, col::Personas));
    naturalPerson(b, record);
    legalPerson(b, record);
    complementary(b, record);
    fiscalAddressFirst(b, record);
    responsibles(b, record);
    fiscalAddressRest(b, record);
    premisesOf(b, 167, record, 1);
    swornStatement(b);
    b.label(100.5, 285.3, QStringLiteral(" Página 1 de"));
    // The total of pages is printed but, like the labels, not part of the record.
    b.label(117.8, 285.3, QString::number(total));
    return b.take();
}

Cp01Page page2(const Cp01Record& record, const QString& receipt)
{
    PageBuilder b;
    header(b, record, receipt);
    premisesOf(b, 45, record, 2);
    premisesOf(b, 103, record, 3);
    swornStatement(b);
    b.label(100.5, 285.3, QStringLiteral(" Página 2 de 2"));
    return b.take();
}

QList<Cp01Page> procedurePages(const Cp01Record& record, const QString& receipt)
{
    if (!hasSecondPage(record))
        return { page1(record, receipt, 1) };
    return { page1(record, receipt, 2), page2(record, receipt) };
}

Cp01Page openedPremisesPage(const Cp01Record& record, const OpenedPremises& opened, const QString& receipt)
{
    PageBuilder b;
    header(b, record, receipt);
    b.bar(45, QStringLiteral(" APERTURA DE COMERCIO"));
    b.field(9, 50, QStringLiteral("APELLIDO Y NOMBRE / RAZON SOCIAL :"), 67, 133,
        shown(record.fields, col::Contribuyente));
    premises(
        b, 56, opened.fields,
        [](const char* item) -> QString { return QStringLiteral("Com_Activ_") + QString::fromUtf8(item); },
        opened.activities);
    swornStatement(b);
    b.label(100.5, 285.3, QStringLiteral(" Página 1 de"));
    b.label(117.8, 285.3, QStringLiteral("1"));
    return b.take();
}

}
