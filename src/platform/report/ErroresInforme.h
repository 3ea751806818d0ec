#pragma once

#include <QString>
#include <QStringList>

// Errors of the report engine: the numbers a print leaves in the control's
// last error, with their Spanish descriptions. Inside the engine they travel
// as vb::VbError; the control turns them into its last error.
namespace report::err {

inline constexpr long Memoria = 20500;             // not enough memory for the report
inline constexpr long SinPlantilla = 20501;        // no template named
inline constexpr long PlantillaNoEncontrada = 20502;
inline constexpr long PlantillaIlegible = 20503;   // exists but cannot be read
inline constexpr long PlantillaMalFormada = 20504; // bad XML or a bad template element
inline constexpr long BaseDatos = 20505;           // report database missing or wrong password
inline constexpr long TablaDesconocida = 20506;
inline constexpr long CampoDesconocido = 20507;
inline constexpr long CampoOrden = 20508;          // a sort field that is not "+{Tabla.Campo}"
inline constexpr long Formula = 20509;             // a formula entry that cannot be read
inline constexpr long LecturaDatos = 20510;        // the work tables could not be read
inline constexpr long Salida = 20511;              // a PDF or printer output failed
inline constexpr long Imagen = 20512;              // a template picture is missing or unreadable
inline constexpr long PlantillaIncoherente = 20513; // well-formed, but refers to what it cannot use
inline constexpr long Interno = 20599;

inline constexpr const char16_t* kOrigen = u"Motor de informes";

// The description of an error number with %1.. filled from the arguments.
QString Descripcion(long numero, const QStringList& argumentos = {});

// Throws vb::VbError(numero, Descripcion(numero, argumentos), kOrigen).
[[noreturn]] void Lanzar(long numero, const QStringList& argumentos = {});

} // namespace report::err
