#include "AgendaFixture.h"

#include "agenda/cAgenda.h"
#include "agenda/cCAgenda.h"
#include "platform/db/DbErrors.h"
#include "support/ErrorNumber.h"

namespace {

using cAgendaTest = AgendaFixture;
using testsupport::ErrorNumberOf;

TEST_F(cAgendaTest, SlotsAreStoredAsWholeHoursAndTheEndOfTheDayAs2359)
{
    const cCAgenda codigos;
    struct Caso {
        qint16 inicio;
        qint16 fin;
        QString origen;
        const char* guardado;
    };
    const Caso casos[] = {
        {10, 12, codigos.EventoMOVE, "0900-1100"},
        {24, 25, codigos.EventoMOVE, "2300-2359"},  // midnight, not an hour earlier
        {24, 25, codigos.EventoRESIZE, "2300-2359"},
        {23, 24, codigos.EventoRESIZE, "2200-2300"},
        {1, 2, codigos.EventoMOVE, "0000-0100"},
        {1, 25, codigos.EventoRESIZE, "0000-2359"},
    };
    for (const Caso& c : casos) {
        // Minutes other than "00" do not survive a move or a resize.
        const qint32 id = Insertar(QStringLiteral("20240315"), QStringLiteral("0930"), QStringLiteral("1015"),
                                   QStringLiteral("Misa"));
        cAgenda(con).ActualizaTarea(id, c.inicio, c.fin, c.origen);
        EXPECT_EQ(Fila(id), QStringLiteral("20240315 %1 Misa|").arg(QString::fromLatin1(c.guardado)))
            << c.inicio << " " << c.fin << " " << c.origen.toStdString();
    }
}

TEST_F(cAgendaTest, SlotsOutsideTheDayOrAnUnknownOriginChangeNothing)
{
    const qint32 id = Insertar(QStringLiteral("20240315"), QStringLiteral("0930"), QStringLiteral("1015"),
                               QStringLiteral("Misa"));
    const cCAgenda codigos;
    const QList<std::pair<qint16, qint16>> malos = {{0, 3}, {5, 5}, {6, 5}, {3, 26}, {-1, 25}};
    for (const auto& [inicio, fin] : malos)
        EXPECT_EQ(ErrorNumberOf([&] { cAgenda(con).ActualizaTarea(id, inicio, fin, codigos.EventoMOVE); }),
                  vb::ErrInvalidCall);
    EXPECT_EQ(ErrorNumberOf([&] { cAgenda(con).ActualizaTarea(id, 10, 12, QStringLiteral("move")); }), vb::ErrInvalidCall);
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0930-1015 Misa|"));
}

TEST_F(cAgendaTest, AMissingRowOrAFailedWriteIsRaisedAndLeavesNoTransaction)
{
    const cCAgenda codigos;
    EXPECT_EQ(ErrorNumberOf([&] { cAgenda(con).ActualizaTarea(999, 10, 12, codigos.EventoMOVE); }),
              db::err::NoCurrentRecord);
    const qint32 id = Insertar(QStringLiteral("20240315"), QStringLiteral("0900"), QStringLiteral("1000"),
                               QStringLiteral("Misa"));
    FallarAl("UPDATE");
    EXPECT_NE(ErrorNumberOf([&] { cAgenda(con).ActualizaTarea(id, 12, 14, codigos.EventoMOVE); }), 0);
    EXPECT_FALSE(con.InTransaction());
    EXPECT_EQ(Fila(id), QStringLiteral("20240315 0900-1000 Misa|"));
}

TEST(cAgenda, PlannerTimesAreStoredWithTheEndOfTheDayAs2359)
{
    EXPECT_EQ(cAgenda::HoraParaGuardar(QStringLiteral("2400")), QStringLiteral("2359"));
    EXPECT_EQ(cAgenda::HoraParaGuardar(QStringLiteral("1300")), QStringLiteral("1300"));
    EXPECT_EQ(cAgenda::HoraDeSlot(10), QStringLiteral("0900"));
    EXPECT_EQ(cAgenda::HoraDeSlot(25), QStringLiteral("2359"));
}

} // namespace
