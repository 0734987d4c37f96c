<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Servo set-up, hand control and motion scripts for serial servo boards</source>
        <translation>Servo-Einrichtung, Handsteuerung und Bewegungsskripte für serielle Servo-Boards</translation>
    </message>
    <message>
        <source>Version %1  Copyright 2025 the Quarnel developers</source>
        <translation>Version %1  Copyright 2025 die Quarnel-Entwickler</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Documentation: the user&apos;s manual, Help &gt; User&apos;s Manual (F1)</source>
        <translation>Dokumentation: das Benutzerhandbuch, Hilfe &gt; Benutzerhandbuch (F1)</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>There is no home folder to keep settings in: neither HOME nor XDG_CONFIG_HOME is set. %1 starts from its defaults, and the window positions, the board, port and baud choices and the files used last will not be kept after it ends.</source>
        <translation>Es gibt keinen Home-Ordner für die Einstellungen: weder HOME noch XDG_CONFIG_HOME ist gesetzt. %1 startet mit den Voreinstellungen; Fensterpositionen, die Wahl von Board, Port und Baudrate und die zuletzt verwendeten Dateien werden nach dem Beenden nicht behalten.</translation>
    </message>
    <message>
        <source>The node editor is open. Save or cancel it, then close this window.</source>
        <translation>Der Knoteneditor ist offen. Speichere oder verwirf ihn, dann schließe dieses Fenster.</translation>
    </message>
    <message>
        <source>A script is running and needs the link to the board. Stop it (STOP or Escape), then close this window.</source>
        <translation>Ein Skript läuft und braucht die Verbindung zum Board. Halte es an (STOP oder Esc), dann schließe dieses Fenster.</translation>
    </message>
    <message>
        <source>The sound cannot be heard: %1 The scripts play on without it, timed by this machine&apos;s clock.</source>
        <translation>Der Ton ist nicht zu hören: %1 Die Skripte laufen ohne ihn weiter, nach der Uhr dieses Rechners.</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>Schreiben auf die Standardausgabe nicht möglich: %1</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version zeigen und beenden.</translation>
    </message>
    <message>
        <source>unexpected argument %1</source>
        <translation>unerwartetes Argument %1</translation>
    </message>
    <message>
        <source>Run %1 --help for the options.</source>
        <translation>%1 --help zeigt die Optionen.</translation>
    </message>
</context>
<context>
    <name>ConsoleUi</name>
    <message>
        <source>WAIT passed over: standard input is not a terminal.</source>
        <translation>WAIT übersprungen: die Standardeingabe ist kein Terminal.</translation>
    </message>
    <message>
        <source>WAIT: press Enter to go on.</source>
        <translation>WAIT: Weiter mit der Eingabetaste.</translation>
    </message>
</context>
<context>
    <name>ControlWindow</name>
    <message>
        <source>S&amp;cript</source>
        <translation>S&amp;kript</translation>
    </message>
    <message>
        <source>&amp;Home</source>
        <translation>&amp;Home</translation>
    </message>
    <message>
        <source>B&amp;ack</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Servo</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Servo %1 position</source>
        <translation>Position von Servo %1</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed value</source>
        <translation>Tempowert</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Stop every servo where it is, and a running script (Esc)</source>
        <translation>Jedes Servo dort anhalten, wo es steht, und ein laufendes Skript auch (Esc)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>%1 frames/s, %2 % of the line</source>
        <translation>%1 Frames/s, %2 % der Leitung</translation>
    </message>
    <message>
        <source>%1 target</source>
        <translation>Ziel von %1</translation>
    </message>
    <message>
        <source>The control window&apos;s position will not be remembered.</source>
        <translation>Die Position des Steuerfensters wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Open the script window beside this one</source>
        <translation>Das Skriptfenster neben diesem öffnen</translation>
    </message>
    <message>
        <source>Send every servo to its home position</source>
        <translation>Jedes Servo in seine Home-Position fahren</translation>
    </message>
    <message>
        <source>Close the link to the board and go back to the settings window</source>
        <translation>Die Verbindung zum Board schließen und zum Einstellungsfenster zurückkehren</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Hi&amp;lfe</translation>
    </message>
</context>
<context>
    <name>DecodedSound</name>
    <message>
        <source>It has %1 channels; at most %2 can be played.</source>
        <translation>Er hat %1 Kanäle; höchstens %2 können abgespielt werden.</translation>
    </message>
    <message>
        <source>Its sample rate of %1 Hz cannot be played.</source>
        <translation>Seine Abtastrate von %1 Hz kann nicht abgespielt werden.</translation>
    </message>
    <message>
        <source>It is longer than an hour.</source>
        <translation>Er ist länger als eine Stunde.</translation>
    </message>
    <message>
        <source>It is too large: decoded, it would take more than a gigabyte.</source>
        <translation>Er ist zu groß: dekodiert bräuchte er mehr als ein Gigabyte.</translation>
    </message>
    <message>
        <source>It is damaged: %1</source>
        <translation>Er ist beschädigt: %1</translation>
    </message>
    <message>
        <source>It is no sound that can be played: not WAV, FLAC, Ogg Vorbis or MP3.</source>
        <translation>Das ist kein abspielbarer Klang: weder WAV, FLAC, Ogg Vorbis noch MP3.</translation>
    </message>
</context>
<context>
    <name>DocumentFileActions</name>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
</context>
<context>
    <name>DocumentFiles</name>
    <message>
        <source>Servo Settings files(*.sst)</source>
        <translation>Servo-Einstellungsdateien (*.sst)</translation>
    </message>
    <message>
        <source>Quarnel scripts (*.tvk)</source>
        <translation>Quarnel-Skripte (*.tvk)</translation>
    </message>
</context>
<context>
    <name>DriverCheck</name>
    <message>
        <source>driver library: %1</source>
        <translation>Treiberbibliothek: %1</translation>
    </message>
    <message>
        <source>loads, with TVK_OPEN, TVK_MOVE, TVK_SENT and TVK_CLOSE</source>
        <translation>lädt, mit TVK_OPEN, TVK_MOVE, TVK_SENT und TVK_CLOSE</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>It is a folder, not a regular file.</source>
        <translation>Das ist ein Ordner, keine normale Datei.</translation>
    </message>
    <message>
        <source>It is a named pipe, not a regular file.</source>
        <translation>Das ist eine benannte Pipe, keine normale Datei.</translation>
    </message>
    <message>
        <source>It is a socket, not a regular file.</source>
        <translation>Das ist ein Socket, keine normale Datei.</translation>
    </message>
    <message>
        <source>It is a device, not a regular file.</source>
        <translation>Das ist ein Gerät, keine normale Datei.</translation>
    </message>
    <message>
        <source>It is something other, not a regular file.</source>
        <translation>Das ist etwas anderes, keine normale Datei.</translation>
    </message>
    <message>
        <source>The file is too large.</source>
        <translation>Die Datei ist zu groß.</translation>
    </message>
</context>
<context>
    <name>HelpMenu</name>
    <message>
        <source>&amp;User&apos;s Manual</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>Ü&amp;ber %1</translation>
    </message>
</context>
<context>
    <name>LinkStatus</name>
    <message>
        <source>no such port</source>
        <translation>Port gibt es nicht</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät gibt es nicht</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
    <message>
        <source>no permission</source>
        <translation>keine Berechtigung</translation>
    </message>
    <message>
        <source>in use elsewhere</source>
        <translation>anderweitig belegt</translation>
    </message>
    <message>
        <source>could not be opened</source>
        <translation>ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>there are only ports COM1 to COM8.</source>
        <translation>es gibt nur die Ports COM1 bis COM8.</translation>
    </message>
    <message>
        <source>%1 is set but names no device. Set it to the board&apos;s device, or unset it to use %2.</source>
        <translation>%1 ist gesetzt, nennt aber kein Gerät. Setze es auf das Gerät des Boards oder entferne es, um %2 zu verwenden.</translation>
    </message>
    <message>
        <source>the device does not exist. Is the board&apos;s cable plugged in?</source>
        <translation>das Gerät existiert nicht. Ist das Kabel des Boards eingesteckt?</translation>
    </message>
    <message>
        <source>it is not a serial device.</source>
        <translation>es ist kein serielles Gerät.</translation>
    </message>
    <message>
        <source>you may not use it. Add yourself to the dialout group (sudo adduser $USER dialout), then log in again.</source>
        <translation>du darfst es nicht benutzen. Trage dich in die Gruppe dialout ein (sudo adduser $USER dialout) und melde dich neu an.</translation>
    </message>
    <message>
        <source>another program is using it, perhaps another copy of Quarnel.</source>
        <translation>ein anderes Programm benutzt es, vielleicht ein zweites Quarnel.</translation>
    </message>
    <message>
        <source>the device went away: the board&apos;s cable was pulled or the virtual board closed. The link opens again by itself when the device is back.</source>
        <translation>das Gerät ist verschwunden: das Kabel des Boards wurde gezogen oder das virtuelle Board geschlossen. Die Verbindung öffnet sich von selbst wieder, sobald das Gerät zurück ist.</translation>
    </message>
    <message>
        <source>it could not be opened.</source>
        <translation>es ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>The link to the servo board on %1 was lost: %2</source>
        <translation>Die Verbindung zum Servo-Board an %1 ist abgerissen: %2</translation>
    </message>
    <message>
        <source>The link to the servo board on %1 could not be opened: %2</source>
        <translation>Die Verbindung zum Servo-Board an %1 ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Nothing reaches the board; the read-outs show where the servos would be.</source>
        <translation>Beim Board kommt nichts an; die Anzeigen zeigen, wo die Servos stehen würden.</translation>
    </message>
    <message>
        <source>the device went away</source>
        <translation>das Gerät ist verschwunden</translation>
    </message>
    <message>
        <source>%1, %2 bit/s: port open</source>
        <translation>%1, %2 bit/s: Port offen</translation>
    </message>
    <message>
        <source>%1: not open, %2</source>
        <translation>%1: nicht offen, %2</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the servo driver library the program loads and whether it loads with its three calls, then exit: 0 when it does, 1 when not.</source>
        <translation>Die Servo-Treiberbibliothek zeigen, die das Programm lädt, und ob sie sich mit ihren drei Aufrufen laden lässt, dann beenden: 0, wenn ja, 1, wenn nicht.</translation>
    </message>
    <message>
        <source>Servo settings (.sst) or scripts (.tvk) to open; a script opens the control and script windows.</source>
        <translation>Zu öffnende Servo-Einstellungen (.sst) oder Skripte (.tvk); ein Skript öffnet das Steuer- und das Skriptfenster.</translation>
    </message>
    <message>
        <source>%1 is neither servo settings (.sst) nor a script (.tvk)</source>
        <translation>%1 ist weder eine Servo-Einstellung (.sst) noch ein Skript (.tvk)</translation>
    </message>
    <message>
        <source>Configures a serial servo board of 8 or 12 hobby servos, moves the servos by hand
and records and plays back motion scripts.
Qt&apos;s own options, such as -style NAME, -platform NAME and -reverse, are taken as well.</source>
        <translation>Richtet eine serielle Servoplatine mit 8 oder 12 Modellbauservos ein, bewegt die Servos von Hand
und nimmt Bewegungsskripte auf und spielt sie ab.
Auch Qts eigene Optionen wie -style NAME, -platform NAME und -reverse werden angenommen.</translation>
    </message>
</context>
<context>
    <name>NodeButtonList</name>
    <message>
        <source>Node list</source>
        <translation>Knotenliste</translation>
    </message>
    <message>
        <source>Home node</source>
        <translation>Knoten Home</translation>
    </message>
    <message>
        <source>Node %1</source>
        <translation>Knoten %1</translation>
    </message>
    <message>
        <source>Write this node at the marker; right-click to place, edit, delete or go to it</source>
        <translation>Diesen Knoten an der Marke einfügen; Rechtsklick zum Einfügen, Bearbeiten, Löschen oder Anfahren</translation>
    </message>
</context>
<context>
    <name>NodeEdit</name>
    <message>
        <source>Name cannot be blank</source>
        <translation>Der Name darf nicht leer sein</translation>
    </message>
    <message>
        <source>Position must be within the minimum and maximum bounds of servo %1 (%2 to %3)</source>
        <translation>Die Position muss innerhalb der Grenzen Minimum und Maximum von Servo %1 liegen (%2 bis %3)</translation>
    </message>
    <message>
        <source>Speed must be a whole number from -32768 to 32767</source>
        <translation>Das Tempo muss eine ganze Zahl von -32768 bis 32767 sein</translation>
    </message>
</context>
<context>
    <name>NodeName</name>
    <message>
        <source>A node name cannot hold the character %1, which a script file cannot store.</source>
        <translation>Ein Knotenname darf das Zeichen %1 nicht enthalten, da eine Skriptdatei es nicht speichern kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the end of a section in a script file. Please choose another name.</source>
        <translation>„%1“ markiert in einer Skriptdatei das Ende eines Abschnitts. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be run as a script command, never as a node. Please choose another name.</source>
        <translation>„%1“ würde als Skriptbefehl ausgeführt, nie als Knoten. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>There is already a node named &quot;%1&quot;. Please choose another name.</source>
        <translation>Es gibt schon einen Knoten namens „%1“. Bitte wähle einen anderen Namen.</translation>
    </message>
    <message>
        <source>Node %1</source>
        <translation>Knoten %1</translation>
    </message>
    <message>
        <source>Please enter a name for this node.</source>
        <translation>Bitte gib einen Namen für diesen Knoten ein.</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>the board&apos;s device %1 has gone (cable pulled or adapter unplugged): the run stopped.</source>
        <translation>das Gerät %1 des Boards ist verschwunden (Kabel gezogen oder Adapter abgesteckt): der Lauf wurde angehalten.</translation>
    </message>
    <message>
        <source>The run stopped.</source>
        <translation>Der Lauf wurde angehalten.</translation>
    </message>
    <message>
        <source>cannot read the servo settings %1: %2</source>
        <translation>die Servo-Einstellungen %1 lassen sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 holds no servo rows.</source>
        <translation>%1 enthält keine Servo-Zeilen.</translation>
    </message>
    <message>
        <source>%1 is damaged: it ends early or lacks the row of servo %2.</source>
        <translation>%1 ist beschädigt: die Datei endet zu früh oder es fehlt die Zeile von Servo %2.</translation>
    </message>
    <message>
        <source>cannot read the script %1: %2</source>
        <translation>das Skript %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>%1 is not a valid Kelpin file.</source>
        <translation>%1 ist keine gültige Kelpin-Datei.</translation>
    </message>
    <message>
        <source>%1 is damaged: it ends early or holds a node that cannot be read.</source>
        <translation>%1 ist beschädigt: die Datei endet zu früh oder enthält einen unlesbaren Knoten.</translation>
    </message>
    <message>
        <source>%1: warning: %2</source>
        <translation>%1: Warnung: %2</translation>
    </message>
    <message>
        <source>%1 line %2 &quot;%3&quot; cannot run: %4</source>
        <translation>%1 Zeile %2 „%3“ kann nicht laufen: %4</translation>
    </message>
    <message>
        <source>cannot open serial port %1: %2 Nothing was sent.</source>
        <translation>der serielle Port %1 lässt sich nicht öffnen: %2 Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>cannot open serial port %1 (%2): %3 Nothing was sent.</source>
        <translation>der serielle Port %1 (%2) lässt sich nicht öffnen: %3 Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>%1 plays sounds, and no sound server plays them: %2 --no-sound plays it without them.</source>
        <translation>%1 spielt Töne, und kein Soundserver spielt sie ab: %2 --no-sound spielt es ohne sie.</translation>
    </message>
    <message>
        <source>the sound cannot be heard: %1 The run stopped.</source>
        <translation>der Ton ist nicht zu hören: %1 Der Lauf wurde angehalten.</translation>
    </message>
</context>
<context>
    <name>PlayerOptions</name>
    <message>
        <source>Servo settings (.sst): each servo&apos;s range and home.</source>
        <translation>Servo-Einstellungen (.sst): Bereich und Home-Position jedes Servos.</translation>
    </message>
    <message>
        <source>Serial port 1 to 8 ($TAVIK_COM&lt;N&gt;, else /dev/ttyS&lt;N-1&gt;); 1 by default.</source>
        <translation>Serieller Port 1 bis 8 ($TAVIK_COM&lt;N&gt;, sonst /dev/ttyS&lt;N-1&gt;); Vorgabe 1.</translation>
    </message>
    <message>
        <source>The board&apos;s serial device, instead of --port.</source>
        <translation>Das serielle Gerät des Boards, statt --port.</translation>
    </message>
    <message>
        <source>Line speed: 2400, 4800 or 9600 (the default).</source>
        <translation>Übertragungsrate: 2400, 4800 oder 9600 (Vorgabe).</translation>
    </message>
    <message>
        <source>Passes each loop makes before the script goes on past its LOOPEND; for ever by default, 1 with --dry-run.</source>
        <translation>Durchläufe jeder Schleife, bevor das Skript hinter ihrem LOOPEND weiterläuft; Vorgabe endlos, 1 mit --dry-run.</translation>
    </message>
    <message>
        <source>Speed 1 to 255 of the move to home before line 1; 32 by default.</source>
        <translation>Tempo 1 bis 255 der Fahrt in die Home-Position vor Zeile 1; Vorgabe 32.</translation>
    </message>
    <message>
        <source>Open no port: print &quot;&lt;ms since start&gt; &lt;servo&gt; &lt;position&gt;&quot; for each position that would be sent.</source>
        <translation>Keinen Port öffnen: für jede Position, die gesendet würde, &quot;&lt;ms seit Start&gt; &lt;Servo&gt; &lt;Position&gt;&quot; ausgeben.</translation>
    </message>
    <message>
        <source>The script to play.</source>
        <translation>Das abzuspielende Skript.</translation>
    </message>
    <message>
        <source>Name one script to play.</source>
        <translation>Gib genau ein Skript zum Abspielen an.</translation>
    </message>
    <message>
        <source>--servos needs a file.</source>
        <translation>--servos braucht eine Datei.</translation>
    </message>
    <message>
        <source>--port and --device name the board twice.</source>
        <translation>--port und --device benennen das Board doppelt.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to 8.</source>
        <translation>--port nimmt eine Zahl von 1 bis 8.</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device braucht einen Pfad.</translation>
    </message>
    <message>
        <source>--baud takes 2400, 4800 or 9600.</source>
        <translation>--baud nimmt 2400, 4800 oder 9600.</translation>
    </message>
    <message>
        <source>--loops takes a whole number of passes from 1 to 1000000000.</source>
        <translation>--loops nimmt eine ganze Zahl von Durchläufen von 1 bis 1000000000.</translation>
    </message>
    <message>
        <source>--speed takes a number from 1 to 255.</source>
        <translation>--speed nimmt eine Zahl von 1 bis 255.</translation>
    </message>
    <message>
        <source>Plays a Quarnel script (.tvk) on the servo board, without a window.
The servos start where the board was last left under the same servo settings, within
their ranges (at home when that is not known), and move to their homes (from --servos,
else 127), then the script runs from line 1. WAIT waits for Enter on a terminal and is
skipped otherwise.
SOUND lines play through the system&apos;s sound server (PulseAudio or PipeWire), and the
sound playing times the run.
Ctrl+C, SIGTERM or SIGHUP holds every servo where it is, closes the link and exits 0.
Exit code 1: the board&apos;s device or the sound server went away (cable pulled, adapter
unplugged) or the output could not be written during the run; the servos are held then.
Exit code 2: a bad option, a file that cannot be read or played, a port that cannot be
opened, or a script with sounds and no sound server to play them; nothing is sent then.</source>
        <translation>Spielt ein Quarnel-Skript (.tvk) ohne Fenster auf dem Servo-Board ab.
Die Servos beginnen dort, wo das Board mit denselben Servo-Einstellungen zuletzt stand,
innerhalb ihrer Bereiche (in Home-Position, wenn das unbekannt ist), und fahren in ihre
Home-Position (aus --servos, sonst 127); dann läuft das Skript ab Zeile 1. WAIT wartet
im Terminal auf die Eingabetaste und wird sonst übersprungen.
SOUND-Zeilen spielen über den Soundserver des Systems (PulseAudio oder PipeWire), und der
laufende Ton taktet den Lauf.
Strg+C, SIGTERM oder SIGHUP hält jedes Servo an, wo es steht, schließt die Verbindung
und beendet mit 0.
Exit-Code 1: das Gerät des Boards oder der Soundserver ist verschwunden (Kabel gezogen,
Adapter abgesteckt) oder die Ausgabe ließ sich während des Laufs nicht schreiben; die
Servos werden dann angehalten.
Exit-Code 2: eine falsche Option, eine Datei, die sich nicht lesen oder abspielen lässt,
ein Port, der sich nicht öffnen lässt, oder ein Skript mit Tönen und kein Soundserver,
der sie abspielt; dann wird nichts gesendet.</translation>
    </message>
    <message>
        <source>Play the motion without the sounds, timed by the clock; a JAW servo still follows them.</source>
        <translation>Die Bewegung ohne die Töne abspielen, nach der Uhr getaktet; ein JAW-Servo folgt ihnen trotzdem.</translation>
    </message>
    <message>
        <source>Move the motion MS later than the sound, or earlier below 0; as Quarnel&apos;s Sound Timing has it by default.</source>
        <translation>Die Bewegung MS später als den Ton legen, oder unter 0 früher; sonst wie in Quarnels Tonzeitpunkt eingestellt.</translation>
    </message>
    <message>
        <source>--sound-offset takes a number of milliseconds from %1 to %2.</source>
        <translation>--sound-offset erwartet eine Zahl von Millisekunden von %1 bis %2.</translation>
    </message>
</context>
<context>
    <name>PortRoute</name>
    <message>
        <source>%1: %2 (missing)</source>
        <translation>%1: %2 (fehlt)</translation>
    </message>
    <message>
        <source>Virtual board</source>
        <translation>Virtuelles Board</translation>
    </message>
</context>
<context>
    <name>PortsDialog</name>
    <message>
        <source>%1 (missing)</source>
        <translation>%1 (fehlt)</translation>
    </message>
</context>
<context>
    <name>PoseChange</name>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1.%2 s</source>
        <translation>%1,%2 s</translation>
    </message>
    <message>
        <source>, eased in</source>
        <translation>, sanft anfahrend</translation>
    </message>
    <message>
        <source>, eased out</source>
        <translation>, sanft abbremsend</translation>
    </message>
    <message>
        <source>, eased in-out</source>
        <translation>, sanft an- und abbremsend</translation>
    </message>
    <message>
        <source>%1 %2 → %3 at speed %4</source>
        <translation>%1 %2 → %3 mit Tempo %4</translation>
    </message>
    <message>
        <source>No servo moves</source>
        <translation>Kein Servo bewegt sich</translation>
    </message>
    <message>
        <source>; 1 servo unchanged</source>
        <translation>; 1 Servo unverändert</translation>
    </message>
    <message numerus="yes">
        <source>; %n servos unchanged</source>
        <translation>
            <numerusform>; %n Servo unverändert</numerusform>
            <numerusform>; %n Servos unverändert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressLine</name>
    <message>
        <source> pass %1/%2</source>
        <translation> Durchlauf %1/%2</translation>
    </message>
    <message>
        <source> pass %1</source>
        <translation> Durchlauf %1</translation>
    </message>
    <message>
        <source>line %1%2</source>
        <translation>Zeile %1%2</translation>
    </message>
</context>
<context>
    <name>QtUiServices</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
</context>
<context>
    <name>RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no longer there: it was moved, renamed or deleted. It is taken off the recent files.</source>
        <translation>„%1“ ist nicht mehr da: die Datei wurde verschoben, umbenannt oder gelöscht. Sie wird aus den zuletzt geöffneten Dateien entfernt.</translation>
    </message>
</context>
<context>
    <name>RememberedSettings</name>
    <message>
        <source>The files and folders used last will not be remembered.</source>
        <translation>Die zuletzt verwendeten Dateien und Ordner werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>It could not be read (%1), so it was left as it is.</source>
        <translation>Sie ließ sich nicht lesen (%1) und blieb daher unverändert.</translation>
    </message>
    <message>
        <source>The devices chosen for the COM ports hold until Quarnel ends, but will not be remembered.</source>
        <translation>Die für die COM-Ports gewählten Geräte gelten, bis Quarnel endet, werden aber nicht gespeichert.</translation>
    </message>
    <message>
        <source>Where the link left the servos will not be remembered.</source>
        <translation>Wo die Verbindung die Servos zurückließ, wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The sound timing holds until Quarnel ends, but will not be remembered.</source>
        <translation>Der Tonzeitpunkt gilt, bis Quarnel endet, wird aber nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <source>Could not save the servo settings file &quot;%1&quot;: %2</source>
        <translation>Die Servo-Einstellungsdatei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not save the start-up settings file &quot;%1&quot;: %2</source>
        <translation>Die Starteinstellungsdatei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not save the script file &quot;%1&quot;: %2</source>
        <translation>Die Skriptdatei „%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>ScriptCheck</name>
    <message>
        <source>servo %1 of node &quot;%2&quot; has speed %3, which gives no step interval.</source>
        <translation>Servo %1 von Knoten „%2“ hat Tempo %3, das keinen Schrittabstand ergibt.</translation>
    </message>
    <message>
        <source>no node has this name.</source>
        <translation>kein Knoten hat diesen Namen.</translation>
    </message>
    <message>
        <source>its pause length is not a number of milliseconds.</source>
        <translation>ihre Pausenlänge ist keine Zahl von Millisekunden.</translation>
    </message>
    <message>
        <source>its curve is not LINEAR, IN, OUT or INOUT.</source>
        <translation>ihr Verlauf ist nicht LINEAR, IN, OUT oder INOUT.</translation>
    </message>
    <message>
        <source>it is neither JAW OFF nor JAW with a servo from 0 to 11 and two positions from 0 to 254.</source>
        <translation>sie ist weder JAW OFF noch JAW mit einem Servo von 0 bis 11 und zwei Positionen von 0 bis 254.</translation>
    </message>
    <message>
        <source>its sound file %1 cannot be played. %2</source>
        <translation>ihre Tondatei %1 lässt sich nicht abspielen. %2</translation>
    </message>
</context>
<context>
    <name>ScriptEdits</name>
    <message>
        <source>Place &quot;%1&quot;</source>
        <translation>„%1“ einfügen</translation>
    </message>
    <message>
        <source>Insert line</source>
        <translation>Zeile einfügen</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Create node &quot;%1&quot;</source>
        <translation>Knoten „%1“ anlegen</translation>
    </message>
    <message>
        <source>Delete node &quot;%1&quot;</source>
        <translation>Knoten „%1“ löschen</translation>
    </message>
    <message>
        <source>Edit node &quot;%1&quot;</source>
        <translation>Knoten „%1“ bearbeiten</translation>
    </message>
</context>
<context>
    <name>ScriptFile</name>
    <message>
        <source>The script holds &quot;%1&quot;, whose character %2 a script file cannot store.</source>
        <translation>Das Skript enthält „%1“ mit dem Zeichen %2, das eine Skriptdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>This is not a valid Kelpin file</source>
        <translation>Das ist keine gültige Kelpin-Datei</translation>
    </message>
    <message>
        <source>This Kelpin file is damaged: only what comes before the damage was opened.</source>
        <translation>Diese Kelpin-Datei ist beschädigt: nur der Teil vor der beschädigten Stelle wurde geöffnet.</translation>
    </message>
</context>
<context>
    <name>ScriptFileAccess</name>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
</context>
<context>
    <name>ScriptLines</name>
    <message>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
</context>
<context>
    <name>ScriptModel</name>
    <message>
        <source>A script holds at most %1 nodes, Home included, so the node %2 was not added.</source>
        <translation>Ein Skript fasst höchstens %1 Knoten, Home mitgezählt; der Knoten %2 wurde daher nicht hinzugefügt.</translation>
    </message>
    <message>
        <source>Position of Servo %1 in %2 falls outside Min-Max range in Settings. Please rectify this or unexpected results may ensue</source>
        <translation>Die Position von Servo %1 in %2 liegt außerhalb des Min-Max-Bereichs der Einstellungen. Bitte korrigiere das, sonst kann Unerwartetes passieren</translation>
    </message>
    <message>
        <source>Please Enter a name for this node</source>
        <translation>Bitte gib einen Namen für diesen Knoten ein</translation>
    </message>
    <message>
        <source>How long (in ms) would you like the pause to last for?</source>
        <translation>Wie lange (in ms) soll die Pause dauern?</translation>
    </message>
    <message>
        <source>Pause Length must be a number!</source>
        <translation>Die Pausenlänge muss eine Zahl sein!</translation>
    </message>
    <message>
        <source>How should the moves after this line travel: LINEAR, IN, OUT or INOUT?</source>
        <translation>Wie sollen die Bewegungen nach dieser Zeile verlaufen: LINEAR, IN, OUT oder INOUT?</translation>
    </message>
    <message>
        <source>Ease curve must be LINEAR, IN, OUT or INOUT!</source>
        <translation>Der Verlauf muss LINEAR, IN, OUT oder INOUT sein!</translation>
    </message>
    <message>
        <source>The path %1 holds the character %2, which a script file cannot store.</source>
        <translation>Der Pfad %1 enthält das Zeichen %2, das eine Skriptdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.flac *.ogg *.mp3)</source>
        <translation>Töne (*.wav *.flac *.ogg *.mp3)</translation>
    </message>
    <message>
        <source>Which servo should follow the sound, and at what positions is its mouth closed and open? For example 3 40 120; OFF ends it.</source>
        <translation>Welches Servo soll dem Ton folgen, und bei welchen Positionen ist sein Mund geschlossen und offen? Zum Beispiel 3 40 120; OFF beendet es.</translation>
    </message>
    <message>
        <source>JAW takes a servo from 0 to 11 and two positions from 0 to 254, or OFF!</source>
        <translation>JAW braucht ein Servo von 0 bis 11 und zwei Positionen von 0 bis 254, oder OFF!</translation>
    </message>
</context>
<context>
    <name>ScriptRunner</name>
    <message>
        <source>The line &quot;%1&quot; cannot be run: %2</source>
        <translation>Die Zeile „%1“ kann nicht ausgeführt werden: %2</translation>
    </message>
    <message>
        <source>Line %1: WAIT. Press OK to continue, or Stop to end the run.</source>
        <translation>Zeile %1: WAIT. Drücke OK zum Weitermachen oder Stopp, um den Lauf zu beenden.</translation>
    </message>
</context>
<context>
    <name>ScriptWindow</name>
    <message>
        <source>Run the line after the marker alone, and move the marker to it; after the last line, line 1</source>
        <translation>Nur die Zeile nach der Marke ausführen und die Marke dorthin setzen; nach der letzten Zeile Zeile 1</translation>
    </message>
    <message>
        <source>Run the line at the marker alone; the marker stays</source>
        <translation>Nur die Zeile an der Marke ausführen; die Marke bleibt</translation>
    </message>
    <message>
        <source>Run the script from line 1; a loop repeats until Stop</source>
        <translation>Das Skript ab Zeile 1 ausführen; eine Schleife wiederholt sich bis Stopp</translation>
    </message>
    <message>
        <source>Run the script on from the line at the marker</source>
        <translation>Das Skript ab der Zeile an der Marke weiter ausführen</translation>
    </message>
    <message>
        <source>End the run; the servos finish the move under way. STOP (Esc) holds them at once</source>
        <translation>Den Lauf beenden; die Servos beenden die laufende Bewegung. STOP (Esc) hält sie sofort an</translation>
    </message>
    <message>
        <source>Remove every line of the script; the nodes stay</source>
        <translation>Alle Zeilen des Skripts entfernen; die Knoten bleiben</translation>
    </message>
    <message>
        <source>Remove the line at the marker</source>
        <translation>Die Zeile an der Marke entfernen</translation>
    </message>
    <message>
        <source>Write WAIT at the marker: a run waits there until you press OK</source>
        <translation>WAIT an der Marke einfügen: ein Lauf wartet dort, bis du OK drückst</translation>
    </message>
    <message>
        <source>Write PAUSE at the marker: a run waits there for the milliseconds you give</source>
        <translation>PAUSE an der Marke einfügen: ein Lauf wartet dort die angegebenen Millisekunden</translation>
    </message>
    <message>
        <source>Write LOOPSTART at the marker: where LOOPEND sends the run back to</source>
        <translation>LOOPSTART an der Marke einfügen: dorthin schickt LOOPEND den Lauf zurück</translation>
    </message>
    <message>
        <source>Write LOOPEND at the marker: the run goes back to the LOOPSTART above it, or to line 1, until Stop</source>
        <translation>LOOPEND an der Marke einfügen: der Lauf kehrt zum LOOPSTART darüber oder zu Zeile 1 zurück, bis Stopp</translation>
    </message>
    <message>
        <source>Hide this window; the script and its nodes stay for next time</source>
        <translation>Dieses Fenster ausblenden; das Skript und seine Knoten bleiben für das nächste Mal</translation>
    </message>
    <message>
        <source>Draw where each servo will be over time, the script played ahead with no board</source>
        <translation>Zeichnen, wo jedes Servo im Lauf der Zeit steht, das Skript vorab ohne Board gespielt</translation>
    </message>
    <message>
        <source>Make a node of where every servo is going now, at the speed set</source>
        <translation>Einen Knoten daraus machen, wohin jedes Servo gerade fährt, mit dem eingestellten Tempo</translation>
    </message>
    <message>
        <source>Write EASE at the marker: the node lines after it start slowly, end slowly or both</source>
        <translation>EASE an der Marke einfügen: die Knotenzeilen danach beginnen langsam, enden langsam oder beides</translation>
    </message>
</context>
<context>
    <name>ServoConfiguration</name>
    <message>
        <source>Servo %1</source>
        <translation>Servo %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ServoRules</name>
    <message>
        <source>The Servo&apos;s Name cannot be blank or contain a space</source>
        <translation>Der Name des Servos darf nicht leer sein und keine Leerzeichen enthalten</translation>
    </message>
    <message>
        <source>The Servo&apos;s Name cannot be %1: it marks the end of a servo settings file</source>
        <translation>Der Name des Servos darf nicht %1 sein: das markiert das Ende einer Servo-Einstellungsdatei</translation>
    </message>
    <message>
        <source>The Servo&apos;s Name cannot contain a double quote (&quot;): a servo settings file cannot store it</source>
        <translation>Der Name des Servos darf kein doppeltes Anführungszeichen (&quot;) enthalten: eine Servo-Einstellungsdatei kann es nicht speichern</translation>
    </message>
    <message>
        <source>The Servo&apos;s Name cannot contain the character %1: a servo settings file cannot store it</source>
        <translation>Der Name des Servos darf das Zeichen %1 nicht enthalten: eine Servo-Einstellungsdatei kann es nicht speichern</translation>
    </message>
    <message>
        <source>%1, its home</source>
        <translation>%1, seiner Home-Position</translation>
    </message>
    <message>
        <source>%1 minimum must be a whole number from %2 to %3</source>
        <translation>Das Minimum von %1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>%1, its minimum,</source>
        <translation>%1, seinem Minimum,</translation>
    </message>
    <message>
        <source>%1, its maximum</source>
        <translation>%1, seinem Maximum</translation>
    </message>
    <message>
        <source>%1 home must be a whole number from %2 to %3</source>
        <translation>Die Home-Position von %1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
    <message>
        <source>%1, its home,</source>
        <translation>%1, seiner Home-Position,</translation>
    </message>
    <message>
        <source>%1 maximum must be a whole number from %2 to %3</source>
        <translation>Das Maximum von %1 muss eine ganze Zahl von %2 bis %3 sein</translation>
    </message>
</context>
<context>
    <name>ServoSettingsFile</name>
    <message>
        <source>Servo %1 is named %2, which marks the end of a servo settings file.</source>
        <translation>Servo %1 heißt %2, was das Ende einer Servo-Einstellungsdatei markiert.</translation>
    </message>
    <message>
        <source>Servo %1 holds the character %2, which a servo settings file cannot store.</source>
        <translation>Servo %1 enthält das Zeichen %2, das eine Servo-Einstellungsdatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Servo %1&apos;s name is %2 characters long, more than the %3 a field takes.</source>
        <translation>Der Name von Servo %1 ist %2 Zeichen lang, mehr als die %3, die ein Feld fasst.</translation>
    </message>
    <message>
        <source>Servo %1&apos;s minimum is %2 characters long, more than the %3 a field takes.</source>
        <translation>Das Minimum von Servo %1 ist %2 Zeichen lang, mehr als die %3, die ein Feld fasst.</translation>
    </message>
    <message>
        <source>Servo %1&apos;s home is %2 characters long, more than the %3 a field takes.</source>
        <translation>Der Home-Wert von Servo %1 ist %2 Zeichen lang, mehr als die %3, die ein Feld fasst.</translation>
    </message>
    <message>
        <source>Servo %1&apos;s maximum is %2 characters long, more than the %3 a field takes.</source>
        <translation>Das Maximum von Servo %1 ist %2 Zeichen lang, mehr als die %3, die ein Feld fasst.</translation>
    </message>
</context>
<context>
    <name>SettingsFolder</name>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Der Ordner %1 konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>COM Port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>Board Settings</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>8 Servos</source>
        <translation>8 Servos</translation>
    </message>
    <message>
        <source>12 Servos</source>
        <translation>12 Servos</translation>
    </message>
    <message>
        <source>Comm Settings</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Baud:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>Servo Settings</source>
        <translation>Servo-Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Controls</source>
        <translation>S&amp;teuerung</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>A&amp;bout</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Servo %1</source>
        <translation>Servo %1</translation>
    </message>
    <message>
        <source>Servo %1 name</source>
        <translation>Name von Servo %1</translation>
    </message>
    <message>
        <source>Servo %1 minimum</source>
        <translation>Minimum von Servo %1</translation>
    </message>
    <message>
        <source>Servo %1 home</source>
        <translation>Home-Wert von Servo %1</translation>
    </message>
    <message>
        <source>Servo %1 maximum</source>
        <translation>Maximum von Servo %1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Ports...</source>
        <translation>&amp;Ports...</translation>
    </message>
    <message>
        <source>Could not open the servo settings file &quot;%1&quot;: %2</source>
        <translation>Die Servo-Einstellungsdatei „%1“ ließ sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>The servo settings were not changed.</source>
        <translation>Die Servo-Einstellungen wurden nicht geändert.</translation>
    </message>
    <message>
        <source>Could not read the servo settings file &quot;%1&quot; used last time: %2</source>
        <translation>Die zuletzt verwendete Servo-Einstellungsdatei „%1“ ließ sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>The servo rows start from their defaults.</source>
        <translation>Die Servo-Zeilen beginnen mit ihren Voreinstellungen.</translation>
    </message>
    <message>
        <source>An existing file of that name was left as it was.</source>
        <translation>Eine vorhandene Datei dieses Namens blieb unverändert.</translation>
    </message>
    <message>
        <source>Save changes to the servo settings?</source>
        <translation>Änderungen an den Servo-Einstellungen speichern?</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>The window positions and the board, port and baud choices will not be remembered.</source>
        <translation>Die Fensterpositionen und die Wahl von Board, Port und Baudrate werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>Quit the application?</source>
        <translation>Das Programm beenden?</translation>
    </message>
    <message>
        <source>Open the control window and the link to the board, with these servo settings</source>
        <translation>Das Steuerfenster und die Verbindung zum Board öffnen, mit diesen Servo-Einstellungen</translation>
    </message>
    <message>
        <source>Save the servo rows to their servo settings file (.sst)</source>
        <translation>Die Servozeilen in ihre Servo-Einstellungsdatei (.sst) speichern</translation>
    </message>
    <message>
        <source>Open a servo settings file (.sst) into the servo rows</source>
        <translation>Eine Servo-Einstellungsdatei (.sst) in die Servozeilen öffnen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>So&amp;und Timing...</source>
        <translation>&amp;Tonzeitpunkt...</translation>
    </message>
</context>
<context>
    <name>SharedObjectCheck</name>
    <message>
        <source>the file is incomplete.</source>
        <translation>die Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <source>the file is no shared library.</source>
        <translation>die Datei ist keine Shared Library.</translation>
    </message>
    <message>
        <source>the library is built for another kind of machine.</source>
        <translation>die Bibliothek ist für eine andere Rechnerarchitektur gebaut.</translation>
    </message>
    <message>
        <source>the library&apos;s program headers are damaged.</source>
        <translation>die Programm-Header der Bibliothek sind beschädigt.</translation>
    </message>
    <message>
        <source>it is not a regular file.</source>
        <translation>sie ist keine normale Datei.</translation>
    </message>
</context>
<context>
    <name>SoundOutput</name>
    <message>
        <source>The sound output could not be set up.</source>
        <translation>Die Tonausgabe ließ sich nicht einrichten.</translation>
    </message>
    <message>
        <source>No sound server: %1.</source>
        <translation>Kein Soundserver: %1.</translation>
    </message>
    <message>
        <source>The sound server did not answer within %1.</source>
        <translation>Der Soundserver hat nicht innerhalb von %1 geantwortet.</translation>
    </message>
    <message>
        <source>The sound server went away.</source>
        <translation>Der Soundserver ist nicht mehr da.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1.</source>
        <translation>Der Klang kann nicht abgespielt werden: %1.</translation>
    </message>
    <message>
        <source>The sound server did not start the sound within %1.</source>
        <translation>Der Soundserver hat den Klang nicht innerhalb von %1 gestartet.</translation>
    </message>
    <message>
        <source>The sound server ended the sound: %1.</source>
        <translation>Der Soundserver hat den Klang beendet: %1.</translation>
    </message>
</context>
<context>
    <name>SoundTimingDialog</name>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>Sound Timing</source>
        <translation>Tonzeitpunkt</translation>
    </message>
    <message>
        <source>Moves the motion later than the sound, or earlier below 0: for servos that lag, or sound that reaches the ears late.</source>
        <translation>Verschiebt die Bewegung später als den Ton, oder unter 0 früher: für Servos, die nachhinken, oder Ton, der spät ans Ohr kommt.</translation>
    </message>
    <message>
        <source>Motion &amp;offset against the sound:</source>
        <translation>Bewegungs&amp;versatz gegen den Ton:</translation>
    </message>
    <message>
        <source>How long before a syllable is heard a JAW servo starts to open for it.</source>
        <translation>Wie lange, bevor eine Silbe zu hören ist, sich ein JAW-Servo für sie zu öffnen beginnt.</translation>
    </message>
    <message>
        <source>&amp;Jaw moves ahead of the voice by:</source>
        <translation>Der &amp;Kiefer bewegt sich der Stimme voraus um:</translation>
    </message>
</context>
<context>
    <name>TavikBinding</name>
    <message>
        <source>The servo driver %1 could not be loaded:</source>
        <translation>Der Servo-Treiber %1 ließ sich nicht laden:</translation>
    </message>
    <message>
        <source>The servo driver %1 lacks TVK_OPEN, TVK_MOVE, TVK_SENT or TVK_CLOSE.</source>
        <translation>Dem Servo-Treiber %1 fehlt TVK_OPEN, TVK_MOVE, TVK_SENT oder TVK_CLOSE.</translation>
    </message>
</context>
<context>
    <name>TimelineNotes</name>
    <message>
        <source>Shown up to %1; the script runs on.</source>
        <translation>Gezeigt bis %1; das Skript läuft weiter.</translation>
    </message>
    <message>
        <source>The script ends after %1.</source>
        <translation>Das Skript endet nach %1.</translation>
    </message>
    <message>
        <source>Each loop is shown once, %1 in all; a run repeats the loop from line %2 to line %3 (%4 a pass) until STOP.</source>
        <translation>Jede Schleife wird einmal gezeigt, %1 insgesamt; ein Lauf wiederholt die Schleife von Zeile %2 bis Zeile %3 (%4 je Durchlauf) bis STOP.</translation>
    </message>
    <message>
        <source>The line at %1 bit/s carries %2 frames a second; the script asks up to %3.</source>
        <translation>Die Leitung mit %1 bit/s trägt %2 Frames pro Sekunde; das Skript verlangt bis zu %3.</translation>
    </message>
    <message>
        <source>It never asks for more.</source>
        <translation>Es verlangt nie mehr.</translation>
    </message>
    <message>
        <source>Shaded: it asks for more; the worst lag is %1 ms.</source>
        <translation>Schattiert: es verlangt mehr; der größte Rückstand ist %1 ms.</translation>
    </message>
    <message>
        <source>Every servo starts at its home position; a WAIT is answered at once.</source>
        <translation>Jedes Servo beginnt in seiner Home-Position; ein WAIT wird sofort beantwortet.</translation>
    </message>
    <message>
        <source>Playing the script ahead...</source>
        <translation>Das Skript wird vorausgespielt...</translation>
    </message>
    <message>
        <source>Click a moment, or press Up or Down, to see the line running then and what it changes.</source>
        <translation>Klicke auf einen Zeitpunkt oder drücke Auf oder Ab, um die dann laufende Zeile und ihre Änderungen zu sehen.</translation>
    </message>
    <message>
        <source>Line %1 at %2: %3</source>
        <translation>Zeile %1 bei %2: %3</translation>
    </message>
    <message>
        <source>Line %1 at %2, %3: %4</source>
        <translation>Zeile %1 bei %2, %3: %4</translation>
    </message>
</context>
<context>
    <name>UnsavedChanges</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
</context>
<context>
    <name>UserManual</name>
    <message>
        <source>The user&apos;s manual is not here: %1 is missing. Installing %2 again brings it back.</source>
        <translation>Das Benutzerhandbuch ist nicht da: %1 fehlt. %2 erneut zu installieren bringt es zurück.</translation>
    </message>
    <message>
        <source>No web browser could be started to show the user&apos;s manual, %1. Open that file in a browser of your choice.</source>
        <translation>Es ließ sich kein Webbrowser starten, um das Benutzerhandbuch %1 zu zeigen. Öffne die Datei in einem Browser deiner Wahl.</translation>
    </message>
</context>
<context>
    <name>quarnel::LiveStatus</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>quarnel::NodeEditor</name>
    <message>
        <source>Edit Node</source>
        <translation>Knoten bearbeiten</translation>
    </message>
    <message>
        <source>Servo Settings</source>
        <translation>Servo-Einstellungen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Node name</source>
        <translation>Knotenname</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Edit Node - %1</source>
        <translation>Knoten bearbeiten - %1</translation>
    </message>
    <message>
        <source>%1 position</source>
        <translation>%1 Position</translation>
    </message>
    <message>
        <source>%1 speed</source>
        <translation>%1 Tempo</translation>
    </message>
</context>
<context>
    <name>quarnel::PortsDialog</name>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Serial devices of this machine (the list follows devices as they are plugged in and out):</source>
        <translation>Serielle Geräte dieses Rechners (die Liste folgt den Geräten beim Ein- und Ausstecken):</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>No serial device was found.</source>
        <translation>Es wurde kein serielles Gerät gefunden.</translation>
    </message>
    <message>
        <source>COM &amp;%1 leads to:</source>
        <translation>COM &amp;%1 führt zu:</translation>
    </message>
    <message>
        <source>A port set by TAVIK_COM1 to TAVIK_COM4 when Quarnel was started follows that setting, as whoever started Quarnel asked. Start Quarnel without it to choose the port&apos;s device here.</source>
        <translation>Ein Port, der beim Start von Quarnel durch TAVIK_COM1 bis TAVIK_COM4 gesetzt war, folgt dieser Einstellung, wie es der Startende wollte. Starte Quarnel ohne sie, um das Gerät des Ports hier zu wählen.</translation>
    </message>
    <message>
        <source>Virtual board</source>
        <translation>Virtuelles Board</translation>
    </message>
    <message>
        <source>A board shown on the screen, for work without hardware</source>
        <translation>Ein auf dem Bildschirm gezeigtes Board, für die Arbeit ohne Hardware</translation>
    </message>
    <message>
        <source>Default: %1</source>
        <translation>Vorgabe: %1</translation>
    </message>
</context>
<context>
    <name>quarnel::ScriptWindow</name>
    <message>
        <source>&amp;Create
Node</source>
        <translation>&amp;Knoten
anlegen</translation>
    </message>
    <message>
        <source>Ease
&amp;Moves</source>
        <translation>&amp;Verlauf
setzen</translation>
    </message>
    <message>
        <source>&amp;Step</source>
        <translation>&amp;Schritt</translation>
    </message>
    <message>
        <source>&amp;Goto</source>
        <translation>&amp;Gehe zu</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>Aus&amp;führen</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>Weite&amp;r</translation>
    </message>
    <message>
        <source>Sto&amp;p</source>
        <translation>Sto&amp;pp</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>L&amp;eeren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;WAIT</source>
        <translation>&amp;WAIT</translation>
    </message>
    <message>
        <source>P&amp;AUSE</source>
        <translation>PA&amp;USE</translation>
    </message>
    <message>
        <source>S&amp;tart</source>
        <translation>S&amp;tart</translation>
    </message>
    <message>
        <source>E&amp;nd</source>
        <translation>E&amp;nde</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>T&amp;imeline</source>
        <translation>&amp;Zeitleiste</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>LOOP</source>
        <translation>LOOP</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>Skript</translation>
    </message>
    <message>
        <source>Script lines</source>
        <translation>Skriptzeilen</translation>
    </message>
    <message>
        <source>Create Node</source>
        <translation>Knoten anlegen</translation>
    </message>
    <message>
        <source>Run script</source>
        <translation>Skript ausführen</translation>
    </message>
    <message>
        <source>Resume script</source>
        <translation>Skript fortsetzen</translation>
    </message>
    <message>
        <source>Stop script</source>
        <translation>Skript anhalten</translation>
    </message>
    <message>
        <source>Clear script</source>
        <translation>Skript leeren</translation>
    </message>
    <message>
        <source>Delete line</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Place WAIT</source>
        <translation>WAIT einfügen</translation>
    </message>
    <message>
        <source>Place PAUSE</source>
        <translation>PAUSE einfügen</translation>
    </message>
    <message>
        <source>Place EASE</source>
        <translation>EASE einfügen</translation>
    </message>
    <message>
        <source>Place loop start</source>
        <translation>Schleifenanfang einfügen</translation>
    </message>
    <message>
        <source>Place loop end</source>
        <translation>Schleifenende einfügen</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Goto</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Timeline</source>
        <translation>&amp;Zeitleiste</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Stopped at line %1 - %2</source>
        <translation>Angehalten in Zeile %1 - %2</translation>
    </message>
    <message>
        <source>Waiting for the servos to arrive</source>
        <translation>Warte, bis die Servos angekommen sind</translation>
    </message>
    <message>
        <source>Waiting at line %1 for OK - %2</source>
        <translation>Wartet in Zeile %1 auf OK - %2</translation>
    </message>
    <message>
        <source>Running line %1 - pass %2 - %3</source>
        <translation>Läuft in Zeile %1 - Durchgang %2 - %3</translation>
    </message>
    <message>
        <source>Running line %1 - %2</source>
        <translation>Läuft in Zeile %1 - %2</translation>
    </message>
    <message>
        <source>Save changes to the script?</source>
        <translation>Änderungen am Skript speichern?</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederherstellen: %1</translation>
    </message>
    <message>
        <source>Pla&amp;y</source>
        <translation>T&amp;on</translation>
    </message>
    <message>
        <source>&amp;Jaw</source>
        <translation>K&amp;iefer</translation>
    </message>
    <message>
        <source>Places a SOUND line: the file chosen plays from that moment of the run.</source>
        <translation>Fügt eine SOUND-Zeile ein: die gewählte Datei spielt ab diesem Moment des Laufs.</translation>
    </message>
    <message>
        <source>Places a JAW line: a servo opens and closes with the voice of the sound playing.</source>
        <translation>Fügt eine JAW-Zeile ein: ein Servo öffnet und schließt sich mit der Stimme des laufenden Tons.</translation>
    </message>
    <message>
        <source>Place SOUND</source>
        <translation>SOUND einfügen</translation>
    </message>
    <message>
        <source>Place JAW</source>
        <translation>JAW einfügen</translation>
    </message>
</context>
<context>
    <name>quarnel::TimelinePlot</name>
    <message>
        <source>Servo positions over time</source>
        <translation>Servopositionen im Lauf der Zeit</translation>
    </message>
    <message>
        <source>loop of %1</source>
        <translation>Schleife von %1</translation>
    </message>
    <message>
        <source>Playing %1: %2 of %3.</source>
        <translation>Spielt %1: %2 von %3.</translation>
    </message>
</context>
<context>
    <name>quarnel::TimelineWindow</name>
    <message>
        <source>Timeline</source>
        <translation>Zeitleiste</translation>
    </message>
</context>
</TS>
