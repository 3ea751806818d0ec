#pragma once

class App;

// The owner of a command: the add-in, or the shared service object, whose
// member carries it out; `Programa` is this program itself.
enum class DuenoAccion { GestPar, Vodidazaz, Bancos, Mensajeria, Contabilidad, Duzediv, Programa };

// True when the owner's object exists. An add-in that is not installed has
// no object (its nodes and menus are normally not offered): the user is told
// that the function is not available, and false comes back.
bool DuenoDisponible(const App& app, DuenoAccion dueno);
