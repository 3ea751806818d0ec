#pragma once

#include <QString>

// The state of the import wizard's simple controls: what the window shows
// and the wizard's handlers read and set.
struct Control {
    bool Enabled = true;
    bool Visible = true;
};

struct Texto : Control {
    QString Text;
};

struct Etiqueta : Control {
    QString Caption;
};

struct Boton : Control {
    QString Caption;
};

// A check box: Value 0 unticked, 1 ticked.
struct Casilla : Control {
    QString Caption;
    int Value = 0;
};

// An option button of a group: exactly one of the group has Value true.
struct Opcion : Control {
    QString Caption;
    bool Value = false;
};
