<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AudioError</name>
    <message>
        <location filename="../ui/audio_error.cpp" line="+14"/>
        <source>(error code: %1)</source>
        <translation>(Fehlercode: %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../ui/audio_error.h" line="+18"/>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Digitales Soundsystem lässt sich nicht starten</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+23"/>
        <source>Falling-block puzzle whose well swings to random angles.</source>
        <translation>Puzzle mit fallenden Blöcken, dessen Schacht sich in zufällige Winkel dreht.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print this help and end.</source>
        <translation>Diese Hilfe ausgeben und beenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and end.</source>
        <translation>Die Version ausgeben und beenden.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the hall of fame and the options in &lt;folder&gt;, made if missing.</source>
        <translation>Bestenliste und Optionen in &lt;Ordner&gt; ablegen, der bei Bedarf angelegt wird.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>&apos;%1 --help&apos; liefert weitere Informationen.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--data-dir given more than once</source>
        <translation>--data-dir mehr als einmal angegeben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder name is empty</source>
        <translation>der Ordnername ist leer</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../app/data_folder.cpp" line="+66"/>
        <source>it cannot be created</source>
        <translation>er lässt sich nicht anlegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nothing can be written in it</source>
        <translation>darin lässt sich nichts schreiben</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot keep the data files in &apos;%1&apos;: %2</source>
        <translation>die Datendateien können nicht in &apos;%1&apos; liegen: %2</translation>
    </message>
</context>
<context>
    <name>GameHost</name>
    <message>
        <location filename="../ui/game_host.cpp" line="+96"/>
        <source>Level : %1</source>
        <translation>Stufe : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score : %1</source>
        <translation>Punkte : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lines : %1</source>
        <translation>Reihen : %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="qt_texts.cpp" line="+12"/>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach &apos;%1&apos; fehlt der Wert.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Wert unerwartet nach &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;herstellen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>Einf&amp;ügen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-13"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
</context>
<context>
    <name>endgame</name>
    <message>
        <location filename="../ui/endgame.ui"/>
        <source>Any time, bitch.</source>
        <translation>Jederzeit, Bitch.</translation>
    </message>
</context>
<context>
    <name>form1</name>
    <message>
        <location filename="../ui/form1.ui"/>
        <source>PAUSED</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <location/>
        <source>GAME OVER</source>
        <translation>SPIEL VORBEI</translation>
    </message>
    <message>
        <location/>
        <source>Level :</source>
        <translation>Stufe :</translation>
    </message>
    <message>
        <location/>
        <source>Score : </source>
        <translation>Punkte : </translation>
    </message>
    <message>
        <location/>
        <source>Lines :</source>
        <translation>Reihen :</translation>
    </message>
    <message>
        <location/>
        <source>Next :</source>
        <translation>Dann:</translation>
    </message>
    <message>
        <location/>
        <source>Game Mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <location/>
        <source>NEW GAME</source>
        <translation>SPIELEN</translation>
    </message>
    <message>
        <location/>
        <source>OPTIONS</source>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <location/>
        <source>HIGH SCORES</source>
        <translation>BESTENLISTE</translation>
    </message>
    <message>
        <location/>
        <source>HELP</source>
        <translation>HILFE</translation>
    </message>
    <message>
        <location/>
        <source>RESTART</source>
        <translation>NEUSTART</translation>
    </message>
    <message>
        <location/>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <location/>
        <source>Antialias (For fast PCs only!)</source>
        <translation>Glätten (nur für schnelle PCs!)</translation>
    </message>
    <message>
        <location/>
        <source>Monochrome board</source>
        <translation>Einfarbiges Feld</translation>
    </message>
    <message>
        <location/>
        <source>Remain paused when submenus close</source>
        <translation>Pausiert bleiben, wenn Untermenüs schließen</translation>
    </message>
    <message>
        <location/>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location/>
        <source>Game Keys :</source>
        <translation>Spieltasten :</translation>
    </message>
    <message>
        <location/>
        <source>Left/Right Arrow : Move left/right</source>
        <translation>Pfeil links/rechts : Nach links/rechts</translation>
    </message>
    <message>
        <location/>
        <source>Up key : Rotate</source>
        <translation>Taste hoch : Drehen</translation>
    </message>
    <message>
        <location/>
        <source>Down Key : Accelerate</source>
        <translation>Taste runter : Beschleunigen</translation>
    </message>
    <message>
        <location/>
        <source>P : Pause game</source>
        <translation>P : Spiel pausieren</translation>
    </message>
    <message>
        <location/>
        <source>Levels:</source>
        <translation>Stufen:</translation>
    </message>
    <message>
        <location/>
        <source>Each level requires 15 lines.</source>
        <translation>Jede Stufe braucht 15 Reihen.</translation>
    </message>
    <message>
        <location/>
        <source>Each level increases game speed.</source>
        <translation>Jede Stufe macht das Spiel schneller.</translation>
    </message>
    <message>
        <location/>
        <source>Score adjustment :</source>
        <translation>Punktewertung :</translation>
    </message>
    <message>
        <location/>
        <source>1 line : +Level*1</source>
        <translation>1 Reihe : +Stufe*1</translation>
    </message>
    <message>
        <location/>
        <source>2 lines : + Level*2</source>
        <translation>2 Reihen : + Stufe*2</translation>
    </message>
    <message>
        <location/>
        <source>3 lines : +Level*3</source>
        <translation>3 Reihen : +Stufe*3</translation>
    </message>
    <message>
        <location/>
        <source>4 lines : +Level*4</source>
        <translation>4 Reihen : +Stufe*4</translation>
    </message>
    <message>
        <location/>
        <source>Other stuff :</source>
        <translation>Sonstiger Kram :</translation>
    </message>
    <message>
        <location/>
        <source>Anti-aliasing is *very* slow. Turn it off if</source>
        <translation>Glätten ist *sehr* langsam. Schalt es</translation>
    </message>
    <message>
        <location/>
        <source>your keyboard responds slowly. It&apos;s also</source>
        <translation>ab, wenn die Tastatur träge reagiert. Im</translation>
    </message>
    <message>
        <location/>
        <source>useless if you&apos;re playing the simple</source>
        <translation>simplen „Stakko“-Modus ist es sowieso</translation>
    </message>
    <message>
        <location/>
        <source>&quot;Stakko&quot; mode.</source>
        <translation>nutzlos.</translation>
    </message>
</context>
<context>
    <name>gyrock::ui::MainWindow</name>
    <message>
        <location filename="../ui/commands.cpp" line="+48"/>
        <source>Are you sure you want to restart the game?</source>
        <translation>Willst du das Spiel wirklich neu starten?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You want your board rotated, right? It&apos;s Gyrock, after all.</source>
        <translation>Du willst dein Spielfeld gedreht, oder? Ist schließlich Gyrock.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Yeah, go ahead and play Stakko, you chickenshit.</source>
        <translation>Ja, ja, spiel ruhig Stakko, du Hosenscheißer.</translation>
    </message>
    <message>
        <location filename="../ui/options_and_endings.cpp" line="+25"/>
        <source>Could not save %1.<byte value="xd"/>
Check that the folder can be written to.</source>
        <translation>Speichern fehlgeschlagen: %1.<byte value="xd"/>
Prüfe, ob sich in den Ordner schreiben lässt.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Congratulations! You have managed to defeat a very difficult game! For this achievement, you get a +1000 bonus to your score!</source>
        <translation>Glückwunsch! Du hast ein sehr schweres Spiel besiegt! Für diese Leistung bekommst du +1000 Bonuspunkte obendrauf!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You have managed to defeat the Stakko version! Now play the Gyrock version for a real challenge!</source>
        <translation>Glückwunsch! Du hast die Stakko-Version besiegt! Jetzt spiel die Gyrock-Version, wenn du eine echte Herausforderung willst!</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <location filename="../halloffame/scores.ui"/>
        <source>scores</source>
        <translation>bestenliste</translation>
    </message>
    <message>
        <location/>
        <source>HALL OF FAME</source>
        <translation>RUHMESHALLE</translation>
    </message>
    <message>
        <location/>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <location/>
        <source>SCORE</source>
        <translation>PUNKTE</translation>
    </message>
    <message>
        <location/>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
