<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AudioError</name>
    <message>
        <location filename="../ui/audio_error.cpp" line="+14"/>
        <source>(error code: %1)</source>
        <translation>(code d&apos;erreur&#xa0;: %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../ui/audio_error.h" line="+18"/>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Impossible d&apos;initialiser le système audio numérique</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+23"/>
        <source>Falling-block puzzle whose well swings to random angles.</source>
        <translation>Puzzle de blocs qui tombent, dont le puits pivote au hasard.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and end.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the hall of fame and the options in &lt;folder&gt;, made if missing.</source>
        <translation>Garder le palmarès et les options dans &lt;dossier&gt;, créé s&apos;il manque.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Essaie «&#xa0;%1 --help&#xa0;» pour en savoir plus.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--data-dir given more than once</source>
        <translation>--data-dir donné plus d&apos;une fois</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder name is empty</source>
        <translation>le nom du dossier est vide</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../app/data_folder.cpp" line="+66"/>
        <source>it cannot be created</source>
        <translation>il ne peut pas être créé</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nothing can be written in it</source>
        <translation>rien ne peut y être écrit</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot keep the data files in &apos;%1&apos;: %2</source>
        <translation>impossible de garder les fichiers de données dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>GameHost</name>
    <message>
        <location filename="../ui/game_host.cpp" line="+96"/>
        <source>Level : %1</source>
        <translation>Niveau&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score : %1</source>
        <translation>Score&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lines : %1</source>
        <translation>Lignes&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="qt_texts.cpp" line="+12"/>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &quot;%1&quot;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>Cop&amp;ier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>Co&amp;ller</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-13"/>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
</context>
<context>
    <name>endgame</name>
    <message>
        <location filename="../ui/endgame.ui"/>
        <source>Any time, bitch.</source>
        <translation>Facile, salope.</translation>
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
        <translation>FIN DE PARTIE</translation>
    </message>
    <message>
        <location/>
        <source>Level :</source>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>Score : </source>
        <translation>Score&#xa0;: </translation>
    </message>
    <message>
        <location/>
        <source>Lines :</source>
        <translation>Lignes&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>Next :</source>
        <translation>Puis&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>Game Mode</source>
        <translation>Mode de jeu</translation>
    </message>
    <message>
        <location/>
        <source>NEW GAME</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <location/>
        <source>OPTIONS</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <location/>
        <source>HIGH SCORES</source>
        <translation>RECORDS</translation>
    </message>
    <message>
        <location/>
        <source>HELP</source>
        <translation>AIDE</translation>
    </message>
    <message>
        <location/>
        <source>RESTART</source>
        <translation>RECOMMENCER</translation>
    </message>
    <message>
        <location/>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <location/>
        <source>Antialias (For fast PCs only!)</source>
        <translation>Lissage (pour PC rapides&#xa0;!)</translation>
    </message>
    <message>
        <location/>
        <source>Monochrome board</source>
        <translation>Grille monochrome</translation>
    </message>
    <message>
        <location/>
        <source>Remain paused when submenus close</source>
        <translation>Rester en pause quand un sous-menu se ferme</translation>
    </message>
    <message>
        <location/>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location/>
        <source>Game Keys :</source>
        <translation>Touches du jeu&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>Left/Right Arrow : Move left/right</source>
        <translation>Flèche gauche/droite&#xa0;: Déplacer</translation>
    </message>
    <message>
        <location/>
        <source>Up key : Rotate</source>
        <translation>Touche haut&#xa0;: Tourner</translation>
    </message>
    <message>
        <location/>
        <source>Down Key : Accelerate</source>
        <translation>Touche bas&#xa0;: Accélérer</translation>
    </message>
    <message>
        <location/>
        <source>P : Pause game</source>
        <translation>P&#xa0;: Mettre en pause</translation>
    </message>
    <message>
        <location/>
        <source>Levels:</source>
        <translation>Niveaux&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>Each level requires 15 lines.</source>
        <translation>Chaque niveau demande 15 lignes.</translation>
    </message>
    <message>
        <location/>
        <source>Each level increases game speed.</source>
        <translation>Chaque niveau accélère le jeu.</translation>
    </message>
    <message>
        <location/>
        <source>Score adjustment :</source>
        <translation>Calcul du score&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>1 line : +Level*1</source>
        <translation>1 ligne&#xa0;: +Niveau*1</translation>
    </message>
    <message>
        <location/>
        <source>2 lines : + Level*2</source>
        <translation>2 lignes&#xa0;: + Niveau*2</translation>
    </message>
    <message>
        <location/>
        <source>3 lines : +Level*3</source>
        <translation>3 lignes&#xa0;: +Niveau*3</translation>
    </message>
    <message>
        <location/>
        <source>4 lines : +Level*4</source>
        <translation>4 lignes&#xa0;: +Niveau*4</translation>
    </message>
    <message>
        <location/>
        <source>Other stuff :</source>
        <translation>Autres trucs&#xa0;:</translation>
    </message>
    <message>
        <location/>
        <source>Anti-aliasing is *very* slow. Turn it off if</source>
        <translation>Le lissage est *très* lent. Coupe-le si</translation>
    </message>
    <message>
        <location/>
        <source>your keyboard responds slowly. It&apos;s also</source>
        <translation>ton clavier réagit lentement. Il est aussi</translation>
    </message>
    <message>
        <location/>
        <source>useless if you&apos;re playing the simple</source>
        <translation>inutile si tu joues au mode tout simple</translation>
    </message>
    <message>
        <location/>
        <source>&quot;Stakko&quot; mode.</source>
        <translation>«&#xa0;Stakko&#xa0;».</translation>
    </message>
</context>
<context>
    <name>gyrock::ui::MainWindow</name>
    <message>
        <location filename="../ui/commands.cpp" line="+48"/>
        <source>Are you sure you want to restart the game?</source>
        <translation>Tu veux vraiment recommencer la partie&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You want your board rotated, right? It&apos;s Gyrock, after all.</source>
        <translation>Tu veux ton plateau qui tourne, hein&#xa0;? C&apos;est Gyrock, après tout.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Yeah, go ahead and play Stakko, you chickenshit.</source>
        <translation>Ouais, c&apos;est ça, joue à Stakko, espèce de dégonflé.</translation>
    </message>
    <message>
        <location filename="../ui/options_and_endings.cpp" line="+25"/>
        <source>Could not save %1.<byte value="xd"/>
Check that the folder can be written to.</source>
        <translation>Impossible d&apos;enregistrer %1.<byte value="xd"/>
Vérifie que le dossier est accessible en écriture.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Congratulations! You have managed to defeat a very difficult game! For this achievement, you get a +1000 bonus to your score!</source>
        <translation>Félicitations&#xa0;! Tu as réussi à vaincre un jeu très difficile&#xa0;! Pour cet exploit, tu gagnes un bonus de +1000 points&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You have managed to defeat the Stakko version! Now play the Gyrock version for a real challenge!</source>
        <translation>Félicitations&#xa0;! Tu as réussi à vaincre la version Stakko&#xa0;! Maintenant, joue à la version Gyrock pour un vrai défi&#xa0;!</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <location filename="../halloffame/scores.ui"/>
        <source>scores</source>
        <translation>records</translation>
    </message>
    <message>
        <location/>
        <source>HALL OF FAME</source>
        <translation>PALMARÈS</translation>
    </message>
    <message>
        <location/>
        <source>NAME</source>
        <translation>NOM</translation>
    </message>
    <message>
        <location/>
        <source>SCORE</source>
        <translation>SCORE</translation>
    </message>
    <message>
        <location/>
        <source>Empty</source>
        <translation>Vide</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
