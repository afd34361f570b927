// The languages of the interface, each text under the name of what shows it. The Catalan
// column is the interface as built: the parameters dialog is made from it.
#include "language/Llenguatge.h"

const TTextos TextosCatala{
    // main menu
    {.MenuMostrarQuadreDeSeguimentDelMouse = "0-Mostrar quadre de seguiment del mouse",
     .MenuClicAutomaticAlEstarParat = "1-Clic automàtic a l'estar parat el mouse en una posició",
     .MenuClicTabletPCALEstarElMouseDownEnUnaCasella =
         "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona",
     .MenuTabletPCClicAlPremerLaPantalla = "3-Tablet PC. Clic al prèmer la pantalla",
     .MenuTabletPCClicEsquerraClicDret =
         "4-Tablet PC. Clic esquerra pantalla esquerra. Clic dret pantalla dreta",
     .MenuEnviarClicksReals = "Enviar Clics reals",
     .MenuParametres = "Paràmetres...",
     .MenuLlenguatge = "Llenguatge",
     .MenuParlantDe = "P&arlant de...",
     .MenuSortir = "&Sortir"},
    // parameters dialog: caption, then its labels and check boxes
    "Paràmetres",
    {.CheckBoxHiHaComptaEnrdarreraPerEngegar =
         "S'aplica a tots. Compte enrera per engegar les opcions. És per poder tenir la rata "
         "normal per, prèviament, activar programes, ...",
     .Label1 = "S'aplica a tots. Segons que dura el compte enrere per engegar:",
     .Label2 =
         "1-Clic automàtic al estar parat el mouse en una posició. Dècimes de segon compte enrere:",
     .CheckBox1ClicAutomaticNoPermetAltresClics =
         "1-Clic automàtic a l'estar parat el mouse en una posició. No permet altres clics",
     .Label3 = "2-Tablet PC. Clic a l'estar el mouse down en una casella durant una estona. "
               "Dècimes de segon compte enrere:",
     .Label4 = "S'aplica a 1 - 2. Píxels de separació perquè es consideri que el mouse està parat:",
     .CheckBoxTemporitzador = "S'aplica a 1 - 2. Surt un temporitzador al voltant d'on es troba el "
                              "mouse quan s'ha de fer clic",
     .CheckBoxQuadreSeguimentCercle = "Quadre seguiment és un cercle en lloc d'un rectangle",
     .Label5 = "Amplada quadre de seguiment del mouse:",
     .Label6 = "Gruixudària quadre de seguiment del mouse:",
     .CheckBoxArrancarAmbOpcioMenu =
         "Quan s'executa el programa s'activa ho fa amb la última opció 1-2-3 feta servir",
     .CheckBoxExecutarMinimitzat = "A l'arrencar es minimitza la finestra del programa",
     .BitBtnDAcord = "D'acord",
     .BitBtncancelar = "Cancel.lar",
     .ButtonColor = "Color"},
    // validation messages, one per range
    {"El valor ha de ser més gran que 0 i més petit o igual que 100",
     "El valor ha de ser més gran o igual que 0 i més petit o igual que 100",
     "El valor ha de ser més gran o igual que 50 i més petit o igual que 1000",
     "El valor ha de ser més gran o igual que 1 i més petit o igual que 22"},
};

const TTextos TextosCastella{
    // main menu
    {.MenuMostrarQuadreDeSeguimentDelMouse = "0-Mostrar cuadro de seguimiento del mouse",
     .MenuClicAutomaticAlEstarParat = "1-Clic automático al estar parado el mouse en una posición",
     .MenuClicTabletPCALEstarElMouseDownEnUnaCasella =
         "2-Tablet PC. Clic al estar el mouse down en una casilla durante cierto tiempo",
     .MenuTabletPCClicAlPremerLaPantalla = "3-Tablet PC. Clic al pulsar la pantalla",
     .MenuTabletPCClicEsquerraClicDret =
         "4-Tablet PC. Clic izquierdo pantalla izquierda. Clic derecho pantalla derecha",
     .MenuEnviarClicksReals = "Enviar Clics reales",
     .MenuParametres = "Parámetros...",
     .MenuLlenguatge = "Lengua",
     .MenuParlantDe = "&Acerca de...",
     .MenuSortir = "&Salir"},
    // parameters dialog: caption, then its labels and check boxes
    "Parámetros",
    {.CheckBoxHiHaComptaEnrdarreraPerEngegar =
         "Se aplica a todos. Cuenta atrás para arrancar las opciones. Es para poder tener el ratón "
         "normal para, préviamente, activar programas, ...",
     .Label1 = "Se aplica a todos. Segundos que dura la cuenta atrás para arrancar:",
     .Label2 = "1-Clic automático al estar parado el mouse en una posición. Décimas de segundo "
               "cuenta atrás:",
     .CheckBox1ClicAutomaticNoPermetAltresClics =
         "1-Clic automático al estar parado el mouse en una posición. No permite otros clics",
     .Label3 = "2-Tablet PC. Clic al estar el mouse down en una casilla durante cierto tiempo. "
               "Décimas de segundo cuenta atrás:",
     .Label4 =
         "Se aplica a 1 - 2. Píxeles de separación para que se considere que el mouse está parado:",
     .CheckBoxTemporitzador = "Se aplica a 1 - 2. Sale un temporizador alrededor de donde se "
                              "encuentra el mouse cuando se ha de realizar el clic",
     .CheckBoxQuadreSeguimentCercle =
         "Cuadro de seguimiento es un círculo en lugar de un rectángulo",
     .Label5 = "Anchura cuadro seguimiento del mouse:",
     .Label6 = "Grosor cuadro seguimiento del mouse:",
     .CheckBoxArrancarAmbOpcioMenu =
         "Cuando se ejecuta el programa se activa con la última opción 1-2-3 que se ha usado",
     .CheckBoxExecutarMinimitzat = "Al arrancar el programa se minimiza la ventana principal",
     .BitBtnDAcord = "D'acord",
     .BitBtncancelar = "Cancel.lar",
     .ButtonColor = "Color"},
    // validation messages, one per range
    {"El valor ha de ser mayor que 0 y menor o igual que 100",
     "El valor ha de ser mayor o igual que 0 y menor o igual que 100",
     "El valor ha de ser mayor o igual que 50 y menor o igual que 1000",
     "El valor ha de ser mayor o igual que 1 y menor o igual que 22"},
};

// Ours, in the words of the English user guide.
const TTextos TextosAngles{
    // main menu
    {.MenuMostrarQuadreDeSeguimentDelMouse = "0-Show the tracking frame",
     .MenuClicAutomaticAlEstarParat = "1-Dwell click: click when the pointer rests",
     .MenuClicTabletPCALEstarElMouseDownEnUnaCasella =
         "2-Tablet PC. Click when held down without moving for a while",
     .MenuTabletPCClicAlPremerLaPantalla = "3-Tablet PC. Click on touch",
     .MenuTabletPCClicEsquerraClicDret =
         "4-Tablet PC. Left click on the left half, right click on the right half",
     .MenuEnviarClicksReals = "Send real clicks",
     .MenuParametres = "Parameters...",
     .MenuLlenguatge = "Language",
     .MenuParlantDe = "&About...",
     .MenuSortir = "E&xit"},
    // parameters dialog: caption, then its labels and check boxes
    "Parameters",
    {.CheckBoxHiHaComptaEnrdarreraPerEngegar =
         "Applies to all. A start countdown before a mode starts, to use the mouse normally "
         "first (to open programs, ...)",
     .Label1 = "Applies to all. Seconds of the start countdown:",
     .Label2 = "1-Dwell click. Tenths of a second of rest before the click:",
     .CheckBox1ClicAutomaticNoPermetAltresClics =
         "1-Dwell click. The user's own clicks do not get through",
     .Label3 = "2-Tablet PC, hold. Tenths of a second held down before the click:",
     .Label4 = "Applies to 1 - 2. Pixels the pointer may move and still be resting:",
     .CheckBoxTemporitzador =
         "Applies to 1 - 2. A timer ring around the pointer fills up until the click",
     .CheckBoxQuadreSeguimentCercle = "The tracking frame is a circle instead of a square",
     .Label5 = "Width of the tracking frame:",
     .Label6 = "Thickness of the tracking frame:",
     .CheckBoxArrancarAmbOpcioMenu = "At start, switch on the last mode 1-2-3 used",
     .CheckBoxExecutarMinimitzat = "Start with the program's window minimised",
     .BitBtnDAcord = "OK",
     .BitBtncancelar = "Cancel",
     .ButtonColor = "Colour"},
    // validation messages, one per range
    {"The value must be from 1 to 100", "The value must be from 0 to 100",
     "The value must be from 50 to 1000", "The value must be from 1 to 22"},
};
