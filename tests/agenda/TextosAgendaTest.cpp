#include "agenda/DelegadoLineasAgenda.h"
#include "agenda/ListaTareasMes.h"
#include "agenda/OperacionAgendaEnCurso.h"
#include "agenda/TextosAgenda.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(TextosAgenda, MonthLinesShowTheStartAsThePlannerDoes)
{
    struct Caso {
        const char* fecha;
        const char* inicio;
        const char* nombre;
        const char* linea;
    };
    const Caso casos[] = {
        {"20240305", "0930", "Misa", " 05    09:30      Misa"},
        {"20241231", "2300", "Fin de año", " 31    23:00      Fin de año"},
        {"20240305", "930", "Misa", " 05    09:30      Misa"},  // a lost leading zero
        {"20240305", "", "Misa", " 05    00:00      Misa"},
        {"20240305", "2560", "Misa", " 05    23:59      Misa"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(TextosAgenda::LineaTareaMes(QString::fromUtf8(c.fecha), QString::fromUtf8(c.inicio),
                                              QString::fromUtf8(c.nombre)),
                  QString::fromUtf8(c.linea));
}

TEST(TextosAgenda, TitlesAreSpanishWhateverTheSystemLanguage)
{
    const QLocale antes;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(TextosAgenda::TituloMes(2024, 3), QStringLiteral("Tareas de marzo de 2024"));
    EXPECT_EQ(TextosAgenda::TituloMes(987, 12), QStringLiteral("Tareas de diciembre de 0987"));
    QLocale::setDefault(antes);
    EXPECT_EQ(TextosAgenda::TitulosMes(), QStringLiteral("Día  Hora    Título de la tarea"));
}

TEST(ListaTareasMes, LinesStaySortedByDayTimeAndTitleIgnoringCaseAndAccents)
{
    ListaTareasMes lista;
    // Given out of order, as stored times that are not well formed come.
    lista.Llenar({{QStringLiteral(" 12    09:00      misa"), 1},
                  {QStringLiteral(" 05    18:00      Boda"), 2},
                  {QStringLiteral(" 12    09:00      Álvaro"), 3}});
    lista.AddItem(QStringLiteral(" 12    09:00      boda"), 4);
    lista.AddItem(QStringLiteral(" 01    23:00      Vigilia"), 5);
    lista.AddItem(QStringLiteral(" 12    09:00      Ñu"), 6);
    lista.AddItem(QStringLiteral(" 12    09:00      nube"), 7);
    QList<qint32> ids;
    for (int i = 0; i < lista.ListCount(); ++i)
        ids << lista.ItemData(i);
    EXPECT_EQ(ids, (QList<qint32>{5, 2, 3, 4, 1, 7, 6}));
}

TEST(ListaTareasMes, AChangedLineMovesToItsPlaceAndStaysCurrent)
{
    ListaTareasMes lista;
    lista.Llenar({{QStringLiteral(" 05    09:00      Misa"), 1}, {QStringLiteral(" 05    10:00      Boda"), 2}});
    lista.SetListIndex(0);
    EXPECT_TRUE(lista.CambiarLinea(1, QStringLiteral(" 05    12:00      Misa")));
    EXPECT_EQ(lista.List(1), QStringLiteral(" 05    12:00      Misa"));
    EXPECT_EQ(lista.ListIndex(), 1);
    EXPECT_EQ(lista.Buscar(2), 0);
    EXPECT_FALSE(lista.CambiarLinea(9, QStringLiteral(" 05    12:00      Nada")));
    EXPECT_EQ(lista.ListCount(), 2);
}

TEST(DelegadoLineasAgenda, HeaderAndLinesSplitIntoTheSameThreeColumns)
{
    EXPECT_EQ(DelegadoLineasAgenda::Campos(QStringLiteral("Día  Hora    Título de la tarea")),
              (QStringList{QStringLiteral("Día"), QStringLiteral("Hora"), QStringLiteral("Título de la tarea")}));
    EXPECT_EQ(DelegadoLineasAgenda::Campos(QStringLiteral(" 05    09:30      Misa  de doce")),
              (QStringList{QStringLiteral("05"), QStringLiteral("09:30"), QStringLiteral("Misa  de doce")}));
    EXPECT_EQ(DelegadoLineasAgenda::Campos(QStringLiteral(" 05    09:30      ")),
              (QStringList{QStringLiteral("05"), QStringLiteral("09:30"), QString()}));
}

TEST(OperacionAgendaEnCurso, TheFlagGoesBackWhateverEndsTheScope)
{
    OperacionAgenda bandera = OperacionAgenda::SINOPER;
    try {
        const OperacionAgendaEnCurso anadiendo(bandera, OperacionAgenda::ANADIR);
        EXPECT_EQ(bandera, OperacionAgenda::ANADIR);
        throw std::runtime_error("fallo a mitad de la carga");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(bandera, OperacionAgenda::SINOPER);
}

} // namespace
