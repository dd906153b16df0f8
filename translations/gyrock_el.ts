<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>AudioError</name>
    <message>
        <location filename="../ui/audio_error.cpp" line="+14"/>
        <source>(error code: %1)</source>
        <translation>(κωδικός σφάλματος: %1)</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Error</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <location filename="../ui/audio_error.h" line="+18"/>
        <source>Can&apos;t initialize digital sound system</source>
        <translation>Αδυναμία εκκίνησης του ψηφιακού συστήματος ήχου</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../app/command_line.cpp" line="+23"/>
        <source>Falling-block puzzle whose well swings to random angles.</source>
        <translation>Παζλ με τουβλάκια που πέφτουν σε πηγάδι που γέρνει σε τυχαίες γωνίες.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Print this help and end.</source>
        <translation>Εμφάνιση αυτής της βοήθειας και τέλος.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Print the version and end.</source>
        <translation>Εμφάνιση της έκδοσης και τέλος.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the hall of fame and the options in &lt;folder&gt;, made if missing.</source>
        <translation>Φύλαξη ρεκόρ και επιλογών στον &lt;φάκελος&gt;, που φτιάχνεται αν λείπει.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>folder</source>
        <translation>φάκελος</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Δοκίμασε &apos;%1 --help&apos; για περισσότερες πληροφορίες.</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Usage: %1 [options]</source>
        <translation>Χρήση: %1 [επιλογές]</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>απρόσμενο όρισμα &apos;%1&apos;</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>--data-dir given more than once</source>
        <translation>το --data-dir δόθηκε πάνω από μία φορά</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the folder name is empty</source>
        <translation>το όνομα του φακέλου είναι κενό</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <location filename="../app/data_folder.cpp" line="+66"/>
        <source>it cannot be created</source>
        <translation>δεν μπορεί να δημιουργηθεί</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>nothing can be written in it</source>
        <translation>δεν γράφεται τίποτα μέσα του</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>cannot keep the data files in &apos;%1&apos;: %2</source>
        <translation>τα αρχεία δεδομένων δεν μπορούν να μείνουν στο &apos;%1&apos;: %2</translation>
    </message>
</context>
<context>
    <name>GameHost</name>
    <message>
        <location filename="../ui/game_host.cpp" line="+96"/>
        <source>Level : %1</source>
        <translation>Επίπεδο : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Score : %1</source>
        <translation>Σκορ : %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Lines : %1</source>
        <translation>Γραμμές : %1</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <location filename="qt_texts.cpp" line="+12"/>
        <source>Options:</source>
        <translation>Επιλογές:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Άγνωστη επιλογή &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unknown options: %1.</source>
        <translation>Άγνωστες επιλογές: %1.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Λείπει τιμή μετά το &apos;%1&apos;.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Απρόσμενη τιμή μετά το &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <location line="+1"/>
        <source>&amp;Undo</source>
        <translation>&amp;Αναίρεση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Redo</source>
        <translation>Ε&amp;πανάληψη</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cu&amp;t</source>
        <translation>Απο&amp;κοπή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Copy</source>
        <translation>Αντι&amp;γραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Paste</source>
        <translation>&amp;Επικόλληση</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete</source>
        <translation>Διαγραφή</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Select All</source>
        <translation>Επιλογή όλων</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <location line="-13"/>
        <source>&amp;Yes</source>
        <translation>&amp;Ναι</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;No</source>
        <translation>&amp;Όχι</translation>
    </message>
</context>
<context>
    <name>endgame</name>
    <message>
        <location filename="../ui/endgame.ui"/>
        <source>Any time, bitch.</source>
        <translation>Όποτε, μαλάκα.</translation>
    </message>
</context>
<context>
    <name>form1</name>
    <message>
        <location filename="../ui/form1.ui"/>
        <source>PAUSED</source>
        <translation>ΠΑΥΣΗ</translation>
    </message>
    <message>
        <location/>
        <source>GAME OVER</source>
        <translation>ΕΧΑΣΕΣ</translation>
    </message>
    <message>
        <location/>
        <source>Level :</source>
        <translation>Επίπεδο :</translation>
    </message>
    <message>
        <location/>
        <source>Score : </source>
        <translation>Σκορ : </translation>
    </message>
    <message>
        <location/>
        <source>Lines :</source>
        <translation>Γραμμές :</translation>
    </message>
    <message>
        <location/>
        <source>Next :</source>
        <translation>Μετά :</translation>
    </message>
    <message>
        <location/>
        <source>Game Mode</source>
        <translation>Τρόπος παιχνιδιού</translation>
    </message>
    <message>
        <location/>
        <source>NEW GAME</source>
        <translation>ΠΑΙΞΕ</translation>
    </message>
    <message>
        <location/>
        <source>OPTIONS</source>
        <translation>ΕΠΙΛΟΓΕΣ</translation>
    </message>
    <message>
        <location/>
        <source>HIGH SCORES</source>
        <translation>ΡΕΚΟΡ</translation>
    </message>
    <message>
        <location/>
        <source>HELP</source>
        <translation>ΒΟΗΘΕΙΑ</translation>
    </message>
    <message>
        <location/>
        <source>RESTART</source>
        <translation>ΑΠ&apos; ΤΗΝ ΑΡΧΗ</translation>
    </message>
    <message>
        <location/>
        <source>Music</source>
        <translation>Μουσική</translation>
    </message>
    <message>
        <location/>
        <source>Antialias (For fast PCs only!)</source>
        <translation>Εξομάλυνση (μόνο ταχέα PC!)</translation>
    </message>
    <message>
        <location/>
        <source>Monochrome board</source>
        <translation>Μονόχρωμο ταμπλό</translation>
    </message>
    <message>
        <location/>
        <source>Remain paused when submenus close</source>
        <translation>Παραμονή σε παύση όταν κλείνουν τα υπομενού</translation>
    </message>
    <message>
        <location/>
        <source>Defaults</source>
        <translation>Αρχικές</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location/>
        <source>Game Keys :</source>
        <translation>Πλήκτρα παιχνιδιού :</translation>
    </message>
    <message>
        <location/>
        <source>Left/Right Arrow : Move left/right</source>
        <translation>Βέλος αριστερά/δεξιά : Μετακίνηση</translation>
    </message>
    <message>
        <location/>
        <source>Up key : Rotate</source>
        <translation>Πλήκτρο πάνω : Περιστροφή</translation>
    </message>
    <message>
        <location/>
        <source>Down Key : Accelerate</source>
        <translation>Πλήκτρο κάτω : Επιτάχυνση</translation>
    </message>
    <message>
        <location/>
        <source>P : Pause game</source>
        <translation>P : Παύση παιχνιδιού</translation>
    </message>
    <message>
        <location/>
        <source>Levels:</source>
        <translation>Επίπεδα:</translation>
    </message>
    <message>
        <location/>
        <source>Each level requires 15 lines.</source>
        <translation>Κάθε επίπεδο θέλει 15 γραμμές.</translation>
    </message>
    <message>
        <location/>
        <source>Each level increases game speed.</source>
        <translation>Κάθε επίπεδο ανεβάζει την ταχύτητα.</translation>
    </message>
    <message>
        <location/>
        <source>Score adjustment :</source>
        <translation>Βαθμολόγηση :</translation>
    </message>
    <message>
        <location/>
        <source>1 line : +Level*1</source>
        <translation>1 γραμμή : +Επίπεδο*1</translation>
    </message>
    <message>
        <location/>
        <source>2 lines : + Level*2</source>
        <translation>2 γραμμές : + Επίπεδο*2</translation>
    </message>
    <message>
        <location/>
        <source>3 lines : +Level*3</source>
        <translation>3 γραμμές : +Επίπεδο*3</translation>
    </message>
    <message>
        <location/>
        <source>4 lines : +Level*4</source>
        <translation>4 γραμμές : +Επίπεδο*4</translation>
    </message>
    <message>
        <location/>
        <source>Other stuff :</source>
        <translation>Άλλα πράγματα :</translation>
    </message>
    <message>
        <location/>
        <source>Anti-aliasing is *very* slow. Turn it off if</source>
        <translation>Η εξομάλυνση είναι *πολύ* αργή.</translation>
    </message>
    <message>
        <location/>
        <source>your keyboard responds slowly. It&apos;s also</source>
        <translation>Κλείσ&apos; την αν το πληκτρολόγιο αργεί.</translation>
    </message>
    <message>
        <location/>
        <source>useless if you&apos;re playing the simple</source>
        <translation>Είναι και άχρηστη αν παίζεις την απλή</translation>
    </message>
    <message>
        <location/>
        <source>&quot;Stakko&quot; mode.</source>
        <translation>λειτουργία «Stakko».</translation>
    </message>
</context>
<context>
    <name>gyrock::ui::MainWindow</name>
    <message>
        <location filename="../ui/commands.cpp" line="+48"/>
        <source>Are you sure you want to restart the game?</source>
        <translation>Σίγουρα θες να ξεκινήσεις το παιχνίδι από την αρχή;</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>You want your board rotated, right? It&apos;s Gyrock, after all.</source>
        <translation>Θες το ταμπλό σου να γυρίζει, σωστά; Gyrock είναι, στο κάτω κάτω.</translation>
    </message>
    <message>
        <location line="+67"/>
        <source>Yeah, go ahead and play Stakko, you chickenshit.</source>
        <translation>Ναι, άντε, παίξε Stakko, ρε χέστη.</translation>
    </message>
    <message>
        <location filename="../ui/options_and_endings.cpp" line="+25"/>
        <source>Could not save %1.<byte value="xd"/>
Check that the folder can be written to.</source>
        <translation>Αποτυχία αποθήκευσης: %1.<byte value="xd"/>
Έλεγξε ότι ο φάκελος δέχεται εγγραφή.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> and </source>
        <translation> και </translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Congratulations! You have managed to defeat a very difficult game! For this achievement, you get a +1000 bonus to your score!</source>
        <translation>Συγχαρητήρια! Κατάφερες να νικήσεις ένα πολύ δύσκολο παιχνίδι! Για αυτό το κατόρθωμα, παίρνεις μπόνους +1000 πόντους!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Congratulations! You have managed to defeat the Stakko version! Now play the Gyrock version for a real challenge!</source>
        <translation>Συγχαρητήρια! Κατάφερες να νικήσεις την έκδοση Stakko! Τώρα παίξε την έκδοση Gyrock για πραγματική πρόκληση!</translation>
    </message>
</context>
<context>
    <name>scores</name>
    <message>
        <location filename="../halloffame/scores.ui"/>
        <source>scores</source>
        <translation>ρεκόρ</translation>
    </message>
    <message>
        <location/>
        <source>HALL OF FAME</source>
        <translation>ΑΙΘΟΥΣΑ ΔΟΞΑΣ</translation>
    </message>
    <message>
        <location/>
        <source>NAME</source>
        <translation>ΟΝΟΜΑ</translation>
    </message>
    <message>
        <location/>
        <source>SCORE</source>
        <translation>ΣΚΟΡ</translation>
    </message>
    <message>
        <location/>
        <source>Empty</source>
        <translation>Κενό</translation>
    </message>
    <message>
        <location/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
