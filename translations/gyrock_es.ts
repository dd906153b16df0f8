<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AudioError</name>
    <message>
        <location filename="../ui/audio_error.cpp" line="+14"/>
        <source>(error code: %1)</source>
        <translation>(código de error: %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <location filename="../ui/audio_error.h" line="+18"/>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>No se puede inicializar el sistema de sonido digital</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+23"/>
        <source>Falling-block puzzle whose well swings to random angles.</source>
        <translation>Puzle de bloques que caen en un pozo que gira a ángulos al azar.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print this help and end.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and end.</source>
        <translation>Mostrar la versión y salir.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the hall of fame and the options in &lt;folder&gt;, made if missing.</source>
        <translation>Guardar los récords y las opciones en &lt;carpeta&gt;, creada si falta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Prueba &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--data-dir given more than once</source>
        <translation>--data-dir indicado más de una vez</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder name is empty</source>
        <translation>el nombre de la carpeta está vacío</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../app/data_folder.cpp" line="+66"/>
        <source>it cannot be created</source>
        <translation>no se puede crear</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nothing can be written in it</source>
        <translation>no se puede escribir nada en ella</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot keep the data files in &apos;%1&apos;: %2</source>
        <translation>no se pueden guardar los archivos de datos en &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>GameHost</name>
    <message>
        <location filename="../ui/game_host.cpp" line="+96"/>
        <source>Level : %1</source>
        <translation>Nivel : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score : %1</source>
        <translation>Puntos : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lines : %1</source>
        <translation>Líneas : %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="qt_texts.cpp" line="+12"/>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta valor tras «%1».</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-13"/>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>endgame</name>
    <message>
        <location filename="../ui/endgame.ui"/>
        <source>Any time, bitch.</source>
        <translation>A mandar, zorra.</translation>
    </message>
</context>
<context>
    <name>form1</name>
    <message>
        <location filename="../ui/form1.ui"/>
        <source>PAUSED</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <location/>
        <source>GAME OVER</source>
        <translation>HAS PERDIDO</translation>
    </message>
    <message>
        <location/>
        <source>Level :</source>
        <translation>Nivel :</translation>
    </message>
    <message>
        <location/>
        <source>Score : </source>
        <translation>Puntos : </translation>
    </message>
    <message>
        <location/>
        <source>Lines :</source>
        <translation>Líneas :</translation>
    </message>
    <message>
        <location/>
        <source>Next :</source>
        <translation>Sigue:</translation>
    </message>
    <message>
        <location/>
        <source>Game Mode</source>
        <translation>Modo de juego</translation>
    </message>
    <message>
        <location/>
        <source>NEW GAME</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <location/>
        <source>OPTIONS</source>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <location/>
        <source>HIGH SCORES</source>
        <translation>RÉCORDS</translation>
    </message>
    <message>
        <location/>
        <source>HELP</source>
        <translation>AYUDA</translation>
    </message>
    <message>
        <location/>
        <source>RESTART</source>
        <translation>REINICIAR</translation>
    </message>
    <message>
        <location/>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <location/>
        <source>Antialias (For fast PCs only!)</source>
        <translation>Suavizado (¡solo PC rápidos!)</translation>
    </message>
    <message>
        <location/>
        <source>Monochrome board</source>
        <translation>Tablero monocromo</translation>
    </message>
    <message>
        <location/>
        <source>Remain paused when submenus close</source>
        <translation>Seguir en pausa al cerrar los submenús</translation>
    </message>
    <message>
        <location/>
        <source>Defaults</source>
        <translation>De fábrica</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location/>
        <source>Game Keys :</source>
        <translation>Teclas del juego :</translation>
    </message>
    <message>
        <location/>
        <source>Left/Right Arrow : Move left/right</source>
        <translation>Flecha izquierda/derecha : Mover</translation>
    </message>
    <message>
        <location/>
        <source>Up key : Rotate</source>
        <translation>Tecla arriba : Girar</translation>
    </message>
    <message>
        <location/>
        <source>Down Key : Accelerate</source>
        <translation>Tecla abajo : Acelerar</translation>
    </message>
    <message>
        <location/>
        <source>P : Pause game</source>
        <translation>P : Pausar el juego</translation>
    </message>
    <message>
        <location/>
        <source>Levels:</source>
        <translation>Niveles:</translation>
    </message>
    <message>
        <location/>
        <source>Each level requires 15 lines.</source>
        <translation>Cada nivel requiere 15 líneas.</translation>
    </message>
    <message>
        <location/>
        <source>Each level increases game speed.</source>
        <translation>Cada nivel aumenta la velocidad.</translation>
    </message>
    <message>
        <location/>
        <source>Score adjustment :</source>
        <translation>Reparto de puntos :</translation>
    </message>
    <message>
        <location/>
        <source>1 line : +Level*1</source>
        <translation>1 línea : +Nivel*1</translation>
    </message>
    <message>
        <location/>
        <source>2 lines : + Level*2</source>
        <translation>2 líneas : + Nivel*2</translation>
    </message>
    <message>
        <location/>
        <source>3 lines : +Level*3</source>
        <translation>3 líneas : +Nivel*3</translation>
    </message>
    <message>
        <location/>
        <source>4 lines : +Level*4</source>
        <translation>4 líneas : +Nivel*4</translation>
    </message>
    <message>
        <location/>
        <source>Other stuff :</source>
        <translation>Otras cosas :</translation>
    </message>
    <message>
        <location/>
        <source>Anti-aliasing is *very* slow. Turn it off if</source>
        <translation>El suavizado es *muy* lento. Quítalo si</translation>
    </message>
    <message>
        <location/>
        <source>your keyboard responds slowly. It&apos;s also</source>
        <translation>el teclado responde lento. Además es</translation>
    </message>
    <message>
        <location/>
        <source>useless if you&apos;re playing the simple</source>
        <translation>inútil si juegas al simple modo</translation>
    </message>
    <message>
        <location/>
        <source>&quot;Stakko&quot; mode.</source>
        <translation>«Stakko».</translation>
    </message>
</context>
<context>
    <name>gyrock::ui::MainWindow</name>
    <message>
        <location filename="../ui/commands.cpp" line="+48"/>
        <source>Are you sure you want to restart the game?</source>
        <translation>¿Seguro que quieres reiniciar la partida?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You want your board rotated, right? It&apos;s Gyrock, after all.</source>
        <translation>Quieres que tu tablero gire, ¿verdad? Es Gyrock, al fin y al cabo.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Yeah, go ahead and play Stakko, you chickenshit.</source>
        <translation>Sí, claro, juega a Stakko, gallina de mierda.</translation>
    </message>
    <message>
        <location filename="../ui/options_and_endings.cpp" line="+25"/>
        <source>Could not save %1.<byte value="xd"/>
Check that the folder can be written to.</source>
        <translation>Error al guardar %1.<byte value="xd"/>
Comprueba que se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Congratulations! You have managed to defeat a very difficult game! For this achievement, you get a +1000 bonus to your score!</source>
        <translation>¡Enhorabuena! ¡Has logrado vencer a un juego muy difícil! ¡Por esta hazaña, te llevas un bonus de +1000 puntos!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You have managed to defeat the Stakko version! Now play the Gyrock version for a real challenge!</source>
        <translation>¡Enhorabuena! ¡Has logrado vencer la versión Stakko! ¡Ahora juega la versión Gyrock si quieres un reto de verdad!</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <location filename="../halloffame/scores.ui"/>
        <source>scores</source>
        <translation>récords</translation>
    </message>
    <message>
        <location/>
        <source>HALL OF FAME</source>
        <translation>SALÓN DE LA FAMA</translation>
    </message>
    <message>
        <location/>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <location/>
        <source>SCORE</source>
        <translation>PUNTOS</translation>
    </message>
    <message>
        <location/>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
</TS>
