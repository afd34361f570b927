// The two languages of the interface, in the order a switch sets them. The Catalan column is
// the interface as built: the parameters dialog is made from it.
#include "language/Llenguatge.h"

const TTextos TextosCatala{
    // main menu
    {"0-Mostrar quadre de seguiment del mouse",
     "1-Clic automàtic a l'estar parat el mouse en una posició",
     "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona",
     "3-Tablet PC. Clic al prèmer la pantalla",
     "4-Tablet PC. Clic esquerra pantalla esquerra. Clic dret pantalla dreta",
     "Enviar Clics reals",
     "Paràmetres...",
     "Llenguatge",
     "P&arlant de...",
     "&Sortir"},
    // parameters dialog: caption, then its labels and check boxes
    "Paràmetres",
    {"S'aplica a tots. Compte enrera per engegar les opcions. És per poder tenir la rata normal per, prèviament, activar programes, ...",
     "S'aplica a tots. Segons que dura el compte enrere per engegar:",
     "1-Clic automàtic al estar parat el mouse en una posició. Dècimes de segon compte enrere:",
     "1-Clic automàtic a l'estar parat el mouse en una posició. No permet altres clics",
     "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona. Dècimes de segon compte enrere:",
     "S'aplica a 1 - 2. Píxels de separació perquè es consideri que el mouse està parat:",
     "S'aplica a 1 - 2. Surt un temporitzador al voltant d'on es troba el mouse quan s'ha de fer clic",
     "Quadre seguiment és un cercle en lloc d'un rectangle",
     "Amplada quadre de seguiment del mouse:",
     "Gruixudària quadre de seguiment del mouse:",
     "Quan s'executa el programa s'activa ho fa amb la última opció 1-2-3 feta servir",
     "A l'arrencar es minimitza la finestra del programa"},
    // validation messages, one per range
    {"El valor ha de ser més gran que 0 i més petit o igual que 100",
     "El valor ha de ser més gran o igual que 0 i més petit o igual que 100",
     "El valor ha de ser més gran o igual que 50 i més petit o igual que 1000",
     "El valor ha de ser més gran o igual que 1 i més petit o igual que 22"},
};

const TTextos TextosCastella{
    // main menu
    {"0-Mostrar cuadro de seguimiento del mouse",
     "1-Clic automático al estar parado el mouse en una posición",
     "2-Tablet PC. Clic al estar el mouse down en una casilla durante cierto tiempo",
     "3-Tablet PC. Clic al pulsar la pantalla",
     "4-Tablet PC. Clic izquierdo pantalla izquierda. Clic derecho pantalla derecha",
     "Enviar Clics reales",
     "Parámetros...",
     "Lengua",
     "&Acerca de...",
     "&Salir"},
    // parameters dialog: caption, then its labels and check boxes
    "Parámetros",
    {"Se aplica a todos. Cuenta atrás para arrancar las opciones. Es para poder tener el ratón normal para, préviamente, activar programas, ...",
     "Se aplica a todos. Segundos que dura la cuenta atrás para arrancar:",
     "1-Clic automático al estar parado el mouse en una posición. Décimas de segundo cuenta atrás:",
     "1-Clic automático al estar parado el mouse en una posición. No permite otros clics",
     "2-Tablet PC. Clic al estar el mouse down en una casilla durante cierto tiempo. Décimas de segundo cuenta atrás:",
     "Se aplica a 1 - 2. Píxeles de separación para que se considere que el mouse está parado:",
     "Se aplica a 1 - 2. Sale un temporizador alrededor de donde se encuentra el mouse cuando se ha de realizar el clic",
     "Cuadro de seguimiento es un círculo en lugar de un rectángulo",
     "Anchura cuadro seguimiento del mouse:",
     "Grosor cuadro seguimiento del mouse:",
     "Cuando se ejecuta el programa se activa con la última opción 1-2-3 que se ha usado",
     "Al arrancar el programa se minimiza la ventana principal"},
    // validation messages, one per range
    {"El valor ha de ser mayor que 0 y menor o igual que 100",
     "El valor ha de ser mayor o igual que 0 y menor o igual que 100",
     "El valor ha de ser mayor o igual que 50 y menor o igual que 1000",
     "El valor ha de ser mayor o igual que 1 y menor o igual que 22"},
};
