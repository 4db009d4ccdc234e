<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL" sourcelanguage="en_GB">
<context>
    <name>trelmo</name>
    <message id="textes.texture_plateau">
        <source>Background</source>
        <translation>Bord</translation>
    </message>
    <message id="textes.texture_bille">
        <source>Marbles</source>
        <translation>Knikkers</translation>
    </message>
    <message id="textes.infos">
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message id="textes.aide">
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message id="textes.charger">
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message id="textes.sauver">
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message id="textes.scores">
        <source>Scores</source>
        <translation>Scores</translation>
    </message>
    <message id="textes.quitter">
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message id="textes.hint_texture_plateau">
        <source>Changing the texture of background</source>
        <translation>De structuur van het bord wijzigen</translation>
    </message>
    <message id="textes.hint_texture_bille">
        <source>Changing the texture of marbles</source>
        <translation>De structuur van de knikkers wijzigen</translation>
    </message>
    <message id="textes.hint_infos">
        <source>About Trelmo</source>
        <translation>Over Trelmo</translation>
    </message>
    <message id="textes.hint_aide">
        <source>Show help</source>
        <translation>Help bekijken</translation>
    </message>
    <message id="textes.hint_charger">
        <source>Loading the last game</source>
        <translation>Het laatste spel laden</translation>
    </message>
    <message id="textes.hint_sauver">
        <source>Saving this game</source>
        <translation>Het lopende spel opslaan</translation>
    </message>
    <message id="textes.hint_scores">
        <source>List of the scores</source>
        <translation>De 10 beste scores</translation>
    </message>
    <message id="textes.hint_quitter">
        <source>Exit game</source>
        <translation>Het spel afsluiten</translation>
    </message>
    <message id="textes.taille_boutons">
        <source>17</source>
        <extracomment>Pixel height of the Load, Save and Scores captions: 17, or 13 when the three words are long.</extracomment>
        <translation>17</translation>
    </message>
    <message id="textes.gagne">
        <source>CONGRATULATION !!</source>
        <translation>GEWONNEN !!</translation>
    </message>
    <message id="textes.termine">
        <source>GAME OVER</source>
        <translation>SPEL&#xd;VOORBIJ</translation>
    </message>
    <message id="textes.reposer">
        <source>Stop&#xd;Game</source>
        <translation>Spel&#xd;stoppen</translation>
    </message>
    <message id="textes.reposer_hint">
        <source>Stop this game</source>
        <translation>Het lopende spel stoppen</translation>
    </message>
    <message id="textes.nouvelle">
        <source>New&#xd;Game</source>
        <translation>Nieuw&#xd;spel</translation>
    </message>
    <message id="textes.nouvelle_hint">
        <source>Start a new game</source>
        <translation>Een nieuw spel beginnen</translation>
    </message>
    <message id="textes.aucune_partie">
        <source>No game saving</source>
        <translation>Er is geen spel opgeslagen</translation>
    </message>
    <message id="textes.annuler_partie">
        <source>Do you want cancel this game</source>
        <translation>Wilt u het lopende spel afbreken?</translation>
    </message>
    <message id="textes.pas_de_partie">
        <source>No game</source>
        <translation>Er loopt geen spel</translation>
    </message>
    <message id="textes.ecraser_partie">
        <source>Do you want save this game</source>
        <translation>Het laatst opgeslagen spel wordt overschreven</translation>
    </message>
    <message id="textes.mode_titre">
        <source>Level</source>
        <extracomment>Title of the dialog that chooses the board. Its middle button stays &quot;Français (37 billes)&quot; in every language.</extracomment>
        <translation>Niveau</translation>
    </message>
    <message id="textes.mode_m1">
        <source>traditional (33 balls)</source>
        <translation>Engels (33 knikkers)</translation>
    </message>
    <message id="textes.mode_m3">
        <source>Genius (44 balls)</source>
        <translation>Genie (44 knikkers)</translation>
    </message>
    <message id="textes.nom_titre">
        <source>Congratulation !!</source>
        <translation>Gefeliciteerd !!</translation>
    </message>
    <message id="textes.nom_bravo">
        <source>CONGRATULATION !!</source>
        <translation>GEFELICITEERD !!</translation>
    </message>
    <message id="textes.nom_t1">
        <source>You are in the scores list</source>
        <translation>U hoort bij de 10 beste spelers</translation>
    </message>
    <message id="textes.nom_t2">
        <source>Enter your name</source>
        <translation>Voer uw naam in</translation>
    </message>
    <message id="textes.nom_bravo_points">
        <source>18</source>
        <extracomment>Point size of the big congratulation line of the name dialog: 18, or 16 when it is long.</extracomment>
        <translation>18</translation>
    </message>
    <message id="textes.score_titre">
        <source>SCORES LIST</source>
        <translation>SCORELIJST</translation>
    </message>
    <message id="textes.score_joueur">
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message id="textes.score_bille">
        <source>balls</source>
        <translation>Knikkers</translation>
    </message>
    <message id="textes.score_duree">
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message id="splash.credit">
        <source>The classic marble solitaire</source>
        <translation>Het klassieke knikkersolitaire</translation>
    </message>
    <message id="plus.annuler">
        <source>Undo</source>
        <translation>Zet ongedaan maken</translation>
    </message>
    <message id="plus.refaire">
        <source>Redo</source>
        <translation>Zet opnieuw doen</translation>
    </message>
    <message id="plus.indice">
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message id="plus.reperes">
        <source>Show landing holes</source>
        <translation>Landingsgaten tonen</translation>
    </message>
    <message id="plus.taille">
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message id="plus.taille_pourcent">
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message id="plus.taille_ecran">
        <source>Fit the screen</source>
        <translation>Aan scherm aanpassen</translation>
    </message>
    <message id="plus.plein_ecran">
        <source>Full screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message id="plus.problemes">
        <source>Problems…</source>
        <translation>Puzzels…</translation>
    </message>
    <message id="plus.statistiques">
        <source>Statistics…</source>
        <translation>Statistieken…</translation>
    </message>
    <message id="plus.astuce">
        <source>Right-click for undo, hints and more</source>
        <translation>Rechtsklik: ongedaan maken, hints en meer</translation>
    </message>
    <message id="plus.plateau">
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message id="plus.trou">
        <source>Column %1, row %2: %3</source>
        <extracomment>Screen reader: %1 column, %2 row, %3 the state of the hole.</extracomment>
        <translation>Kolom %1, rij %2: %3</translation>
    </message>
    <message id="plus.bille">
        <source>marble</source>
        <translation>knikker</translation>
    </message>
    <message id="plus.bille_mobile">
        <source>marble, can jump</source>
        <translation>knikker, kan springen</translation>
    </message>
    <message id="plus.bille_prise">
        <source>marble, held</source>
        <translation>knikker, opgepakt</translation>
    </message>
    <message id="plus.vide">
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message id="plus.vide_arrivee">
        <source>empty, can land here</source>
        <translation>leeg, landen mogelijk</translation>
    </message>
    <message id="plus.billes_restantes">
        <source>Marbles left: %1</source>
        <translation>Knikkers over: %1</translation>
    </message>
    <message id="plus.temps">
        <source>Time: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message id="plus.annonce_saut">
        <source>Jump from column %1, row %2 to column %3, row %4. %5</source>
        <extracomment>Screen reader: %1 %2 start column and row, %3 %4 landing column and row, %5 the marbles left.</extracomment>
        <translation>Sprong van kolom %1, rij %2 naar kolom %3, rij %4. %5</translation>
    </message>
    <message id="plus.annonce_annule">
        <source>Jump undone. %1</source>
        <translation>Sprong ongedaan gemaakt. %1</translation>
    </message>
    <message id="plus.reste_une">
        <source>1 marble left.</source>
        <translation>Nog één knikker over.</translation>
    </message>
    <message id="plus.reste_n" numerus="yes">
        <source>%1 marbles left.</source>
        <translation><numerusform>Nog %1 knikker over.</numerusform><numerusform>Nog %1 knikkers over.</numerusform></translation>
    </message>
    <message id="plus.annonce_gagne">
        <source>You won! One marble left.</source>
        <translation>Gewonnen! Nog één knikker over.</translation>
    </message>
    <message id="plus.annonce_perdu" numerus="yes">
        <source>Game over. %1 marbles left.</source>
        <translation><numerusform>Spel voorbij. Nog %1 knikker over.</numerusform><numerusform>Spel voorbij. Nog %1 knikkers over.</numerusform></translation>
    </message>
    <message id="plus.partie_endommagee">
        <source>The saved game is damaged.</source>
        <translation>Het opgeslagen spel is beschadigd.</translation>
    </message>
    <message id="plus.haut">
        <source>Jump up</source>
        <translation>Spring omhoog</translation>
    </message>
    <message id="plus.droite">
        <source>Jump right</source>
        <translation>Spring naar rechts</translation>
    </message>
    <message id="plus.bas">
        <source>Jump down</source>
        <translation>Spring omlaag</translation>
    </message>
    <message id="plus.gauche">
        <source>Jump left</source>
        <translation>Spring naar links</translation>
    </message>
    <message id="plus.finir_une">
        <source>%1: you can still finish with 1 marble.</source>
        <translation>%1: u kunt nog met één knikker eindigen.</translation>
    </message>
    <message id="plus.meilleur_n" numerus="yes">
        <source>%1: the best you can still reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: het beste wat nog kan is %2 knikker over.</numerusform><numerusform>%1: het beste wat nog kan is %2 knikkers over.</numerusform></translation>
    </message>
    <message id="plus.non_prouve" numerus="yes">
        <source>%1: best found so far, %2 marbles (not proven).</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: beste resultaat tot nu toe, %2 knikker (niet bewezen).</numerusform><numerusform>%1: beste resultaat tot nu toe, %2 knikkers (niet bewezen).</numerusform></translation>
    </message>
    <message id="plus.cible_atteignable">
        <source>%1: you can still finish on the target.</source>
        <translation>%1: u kunt nog op het doel eindigen.</translation>
    </message>
    <message id="plus.cible_perdue" numerus="yes">
        <source>%1: the target is out of reach; the best you can reach is %2 marbles.</source>
        <extracomment>Hint: %1 the direction of the jump, %2 the number of marbles.</extracomment>
        <translation><numerusform>%1: het doel is niet meer bereikbaar; het beste is %2 knikker over.</numerusform><numerusform>%1: het doel is niet meer bereikbaar; het beste is %2 knikkers over.</numerusform></translation>
    </message>
    <message id="plus.prise_faite">
        <source>marble picked up</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there is picked up.</extracomment>
        <translation>knikker opgepakt</translation>
    </message>
    <message id="plus.prise_reposee">
        <source>marble put back</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble is put back.</extracomment>
        <translation>knikker teruggelegd</translation>
    </message>
    <message id="plus.pas_de_saut">
        <source>cannot jump from here</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the marble there has no jump.</extracomment>
        <translation>van hier geen sprong mogelijk</translation>
    </message>
    <message id="plus.pas_d_arrivee">
        <source>cannot land here.</source>
        <extracomment>Screen reader, after &quot;Column %1, row %2: &quot;: the held marble cannot land on that hole.</extracomment>
        <translation>hier landen niet mogelijk.</translation>
    </message>
    <message id="plus.partie_commencee">
        <source>New game. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;32 marbles left.&quot;).</extracomment>
        <translation>Nieuw spel. %1</translation>
    </message>
    <message id="plus.partie_chargee">
        <source>Game loaded. %1</source>
        <extracomment>Screen reader: %1 the marbles left (&quot;31 marbles left.&quot;).</extracomment>
        <translation>Spel geladen. %1</translation>
    </message>
    <message id="plus.partie_arretee">
        <source>Game stopped.</source>
        <translation>Spel gestopt.</translation>
    </message>
    <message id="plus.saut_conseille">
        <source>Jump from column %1, row %2 to column %3, row %4</source>
        <extracomment>Spoken hint: %1 %2 start column and row, %3 %4 landing column and row; the hint's sentence follows.</extracomment>
        <translation>Sprong van kolom %1, rij %2 naar kolom %3, rij %4</translation>
    </message>
    <message id="plus.cible_trou">
        <source>The target is column %1, row %2.</source>
        <extracomment>Spoken hint in a problem: %1 %2 the target's column and row.</extracomment>
        <translation>Het doel is kolom %1, rij %2.</translation>
    </message>
    <message id="problemes.titre">
        <source>Problems</source>
        <translation>Puzzels</translation>
    </message>
    <message id="problemes.plateaux[0]">
        <source>English board (33 holes)</source>
        <translation>Engels bord (33 gaten)</translation>
    </message>
    <message id="problemes.plateaux[1]">
        <source>French board (37 holes)</source>
        <translation>Frans bord (37 gaten)</translation>
    </message>
    <message id="problemes.plateaux[2]">
        <source>Mission Impossible (45 holes)</source>
        <translation>Mission Impossible (45 gaten)</translation>
    </message>
    <message id="problemes.billes" numerus="yes">
        <source>%1 marbles</source>
        <translation><numerusform>%1 knikker</numerusform><numerusform>%1 knikkers</numerusform></translation>
    </message>
    <message id="problemes.finir_en">
        <source>finish on %1</source>
        <translation>eindigen op %1</translation>
    </message>
    <message id="problemes.finir_partout">
        <source>finish with one marble</source>
        <translation>eindigen met één knikker</translation>
    </message>
    <message id="problemes.separateur">
        <source>, </source>
        <extracomment>Between the marbles and the finish of a problem: &quot;6 marbles, finish on e5&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message id="problemes.serie" numerus="yes">
        <source>%1 problems, %2 solved</source>
        <extracomment>%1 the number of problems (the plural follows it), %2 how many are solved.</extracomment>
        <translation><numerusform>%1 puzzel, %2 opgelost</numerusform><numerusform>%1 puzzels, %2 opgelost</numerusform></translation>
    </message>
    <message id="problemes.resolu">
        <source>Solved, best time %1</source>
        <translation>Opgelost, beste tijd %1</translation>
    </message>
    <message id="problemes.pas_resolu">
        <source>Not solved yet</source>
        <translation>Nog niet opgelost</translation>
    </message>
    <message id="problemes.choisir_depart">
        <source>Choose the hole that starts empty</source>
        <translation>Kies het gat dat leeg begint</translation>
    </message>
    <message id="problemes.choisir_cible">
        <source>Choose the hole of the last marble</source>
        <translation>Kies het gat van de laatste knikker</translation>
    </message>
    <message id="problemes.symetriques">
        <source>The same problem turned or mirrored: %1</source>
        <translation>Dezelfde puzzel gedraaid of gespiegeld: %1</translation>
    </message>
    <message id="problemes.autre_depart">
        <source>Escape: another starting hole</source>
        <translation>Esc: een ander startgat</translation>
    </message>
    <message id="problemes.trou">
        <source>Hole %1</source>
        <translation>Gat %1</translation>
    </message>
    <message id="problemes.trou_bille">
        <source>marble</source>
        <translation>knikker</translation>
    </message>
    <message id="problemes.trou_vide">
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message id="problemes.trou_depart">
        <source>possible start</source>
        <translation>mogelijk startgat</translation>
    </message>
    <message id="problemes.trou_cible">
        <source>possible finish</source>
        <translation>mogelijk doel</translation>
    </message>
    <message id="problemes.trou_resolu">
        <source>solved</source>
        <translation>opgelost</translation>
    </message>
    <message id="problemes.nom_liste">
        <source>List of problems</source>
        <translation>Lijst van puzzels</translation>
    </message>
    <message id="problemes.nom_plateau">
        <source>Board of the problem</source>
        <translation>Bord van de puzzel</translation>
    </message>
    <message id="problemes.jouer">
        <source>Play</source>
        <translation>Spelen</translation>
    </message>
    <message id="problemes.annuler">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="problemes.stats_titre">
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message id="problemes.onglets[0]">
        <source>English</source>
        <translation>Engels</translation>
    </message>
    <message id="problemes.onglets[1]">
        <source>French</source>
        <translation>Frans</translation>
    </message>
    <message id="problemes.onglets[2]">
        <source>Mission Impossible</source>
        <translation>Mission Impossible</translation>
    </message>
    <message id="problemes.onglets[3]">
        <source>Problems</source>
        <translation>Puzzels</translation>
    </message>
    <message id="problemes.commencees">
        <source>Games started</source>
        <translation>Begonnen spellen</translation>
    </message>
    <message id="problemes.terminees">
        <source>Games finished</source>
        <translation>Beëindigde spellen</translation>
    </message>
    <message id="problemes.gagnees">
        <source>Games won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message id="problemes.moins_de_billes">
        <source>Fewest marbles left</source>
        <translation>Minste knikkers over</translation>
    </message>
    <message id="problemes.meilleur_temps">
        <source>Best time</source>
        <translation>Beste tijd</translation>
    </message>
    <message id="problemes.moyenne">
        <source>Mean result</source>
        <translation>Gemiddeld resultaat</translation>
    </message>
    <message id="problemes.serie_en_cours">
        <source>Current winning streak</source>
        <translation>Huidige winstreeks</translation>
    </message>
    <message id="problemes.meilleure_serie">
        <source>Best winning streak</source>
        <translation>Beste winstreeks</translation>
    </message>
    <message id="problemes.indices">
        <source>Hints used</source>
        <translation>Gebruikte hints</translation>
    </message>
    <message id="problemes.resolus">
        <source>Problems solved</source>
        <translation>Opgeloste puzzels</translation>
    </message>
    <message id="problemes.sur">
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message id="problemes.aucun">
        <source>–</source>
        <translation>–</translation>
    </message>
    <message id="problemes.graphique">
        <source>Marbles left at the end of a game</source>
        <translation>Knikkers over aan het eind van een spel</translation>
    </message>
    <message id="problemes.graphique_vide">
        <source>No finished game yet</source>
        <translation>Nog geen beëindigd spel</translation>
    </message>
    <message id="problemes.graphique_barre" numerus="yes">
        <source>%1 marbles left: %2 games</source>
        <extracomment>Screen reader, one bar of the chart: %1 marbles left, %2 games (the plural follows %2).</extracomment>
        <translation><numerusform>%1 knikkers over: %2 spel</numerusform><numerusform>%1 knikkers over: %2 spellen</numerusform></translation>
    </message>
    <message id="problemes.nom_onglets">
        <source>Boards</source>
        <translation>Borden</translation>
    </message>
    <message id="problemes.decimale">
        <source>.</source>
        <extracomment>Decimal separator of the mean result: one character.</extracomment>
        <translation>,</translation>
    </message>
    <message id="problemes.par_probleme[0]">
        <source>Problem</source>
        <extracomment>Heading of the statistics' per-problem table: the problem's name.</extracomment>
        <translation>Puzzel</translation>
    </message>
    <message id="problemes.par_probleme[1]">
        <source>Started</source>
        <extracomment>Heading of the per-problem table: games started.</extracomment>
        <translation>Begonnen</translation>
    </message>
    <message id="problemes.par_probleme[2]">
        <source>Won</source>
        <extracomment>Heading of the per-problem table: games won.</extracomment>
        <translation>Gewonnen</translation>
    </message>
    <message id="problemes.par_probleme[3]">
        <source>Best time</source>
        <extracomment>Heading of the per-problem table: best time.</extracomment>
        <translation>Beste tijd</translation>
    </message>
    <message id="problemes.par_probleme[4]">
        <source>Hints</source>
        <extracomment>Heading of the per-problem table: hints used.</extracomment>
        <translation>Hints</translation>
    </message>
    <message id="problemes.ligne_probleme">
        <source>%1: started %2, won %3, best time %4, hints %5</source>
        <extracomment>Screen reader, a row of the per-problem table: %1 the problem, %2 started, %3 won, %4 best time, %5 hints.</extracomment>
        <translation>%1: begonnen %2, gewonnen %3, beste tijd %4, hints %5</translation>
    </message>
    <message id="problemes.nom_par_probleme">
        <source>Per problem</source>
        <extracomment>Screen reader: name of the statistics' per-problem table.</extracomment>
        <translation>Per puzzel</translation>
    </message>
    <message id="problemes.nom_scores">
        <source>The ten best scores</source>
        <extracomment>Screen reader: name of the score table.</extracomment>
        <translation>De tien beste scores</translation>
    </message>
    <message id="problemes.ligne_score">
        <source>%1. %2: %3, %4: %5, %6: %7</source>
        <extracomment>Screen reader, a row of the score table: %1 rank, %2 %4 %6 the headings, %3 %5 %7 their values.</extracomment>
        <translation>%1. %2: %3, %4: %5, %6: %7</translation>
    </message>
    <message id="fichiers.lecture">
        <source>The file %1 cannot be read (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be read (one of the reasons below).</extracomment>
        <translation>Het bestand %1 kan niet worden gelezen (%2): uw scores en keuzes worden niet bewaard.</translation>
    </message>
    <message id="fichiers.ecriture">
        <source>The file %1 cannot be written (%2): your scores and choices will not be kept.</source>
        <extracomment>Files: %1 the settings file's path, %2 why it cannot be written.</extracomment>
        <translation>Het bestand %1 kan niet worden geschreven (%2): uw scores en keuzes worden niet bewaard.</translation>
    </message>
    <message id="fichiers.permission">
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message id="fichiers.lecture_seule">
        <source>read-only file system</source>
        <translation>alleen-lezen bestandssysteem</translation>
    </message>
    <message id="fichiers.disque_plein">
        <source>disk full</source>
        <translation>schijf vol</translation>
    </message>
    <message id="fichiers.dossier_introuvable">
        <source>folder not found</source>
        <translation>map niet gevonden</translation>
    </message>
    <message id="fichiers.dossier_du_nom">
        <source>a folder has that name</source>
        <translation>er is een map met die naam</translation>
    </message>
    <message id="fichiers.nom_incorrect">
        <source>invalid file name</source>
        <translation>ongeldige bestandsnaam</translation>
    </message>
    <message id="fichiers.entree_sortie">
        <source>disk input/output error</source>
        <translation>invoer-/uitvoerfout van de schijf</translation>
    </message>
    <message id="fichiers.systeme">
        <source>system error %1</source>
        <extracomment>Files, a reason: %1 the system's error number.</extracomment>
        <translation>systeemfout %1</translation>
    </message>
    <message id="fichiers.stats_recent">
        <source>The statistics file “%1” comes from a newer version of Trelmo: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Het statistiekbestand ‘%1’ komt van een nieuwere versie van Trelmo: het blijft zoals het is en de statistieken van deze sessie worden niet bewaard.</translation>
    </message>
    <message id="fichiers.stats_pas_de_cote">
        <source>The statistics file “%1” is unreadable or damaged and could not be set aside: it is left as it is and the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's name.</extracomment>
        <translation>Het statistiekbestand ‘%1’ is onleesbaar of beschadigd en kon niet opzij worden gezet: het blijft zoals het is en de statistieken van deze sessie worden niet bewaard.</translation>
    </message>
    <message id="fichiers.stats_ecriture">
        <source>The statistics file “%1” cannot be written (%2): the statistics of this session will not be kept.</source>
        <extracomment>Files: %1 the statistics file's path, %2 why it cannot be written.</extracomment>
        <translation>Het statistiekbestand ‘%1’ kan niet worden geschreven (%2): de statistieken van deze sessie worden niet bewaard.</translation>
    </message>
    <message id="fichiers.stats_mis_de_cote">
        <source>The statistics file was unreadable or damaged: it has been set aside as “%1” and the statistics start afresh.</source>
        <extracomment>Files: %1 the name the damaged file is kept under.</extracomment>
        <translation>Het statistiekbestand was onleesbaar of beschadigd: het is opzijgezet als ‘%1’ en de statistieken beginnen opnieuw.</translation>
    </message>
    <message id="probleme.croix">
        <source>The Cross</source>
        <translation>Het kruis</translation>
    </message>
    <message id="probleme.plus">
        <source>The Plus</source>
        <translation>De plus</translation>
    </message>
    <message id="probleme.double-croix">
        <source>The Double Cross</source>
        <translation>Het dubbele kruis</translation>
    </message>
    <message id="probleme.cheminee">
        <source>The Fireplace</source>
        <translation>De schoorsteen</translation>
    </message>
    <message id="probleme.calice">
        <source>The Goblet</source>
        <translation>De kelk</translation>
    </message>
    <message id="probleme.sapin">
        <source>The Fir Tree</source>
        <translation>De den</translation>
    </message>
    <message id="probleme.lampe">
        <source>The Lamp</source>
        <translation>De lamp</translation>
    </message>
    <message id="probleme.pyramide">
        <source>The Pyramid</source>
        <translation>De piramide</translation>
    </message>
    <message id="probleme.fleche">
        <source>The Up Arrow</source>
        <translation>De pijl</translation>
    </message>
    <message id="probleme.losange">
        <source>The Diamond</source>
        <translation>De ruit</translation>
    </message>
    <message id="groupe.anglais-trou">
        <source>One empty hole</source>
        <translation>Eén leeg gat</translation>
    </message>
    <message id="probleme.francais-couronne">
        <source>The Crown</source>
        <translation>De kroon</translation>
    </message>
    <message id="probleme.francais-bague">
        <source>The Ring</source>
        <translation>De ring</translation>
    </message>
    <message id="groupe.francais-trou">
        <source>One empty hole</source>
        <translation>Eén leeg gat</translation>
    </message>
    <message id="probleme.mission-grande-croix">
        <source>The Great Cross</source>
        <translation>Het grote kruis</translation>
    </message>
    <message id="probleme.mission-fusee">
        <source>The Rocket</source>
        <translation>De raket</translation>
    </message>
    <message id="probleme.mission-totem">
        <source>The Totem Pole</source>
        <translation>De totempaal</translation>
    </message>
    <message id="groupe.mission-depart">
        <source>Standard start</source>
        <translation>Standaardstart</translation>
    </message>
    <message id="serie.anglais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} leeg, eindigen op {cible}</translation>
    </message>
    <message id="serie.francais-trou">
        <source>{depart} empty, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {depart} the hole that starts empty, {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>{depart} leeg, eindigen op {cible}</translation>
    </message>
    <message id="serie.mission-depart">
        <source>Standard start, finish on {cible}</source>
        <extracomment>Name of one problem of the series: {cible} the finishing hole (&quot;e5&quot;). Keep the braces.</extracomment>
        <translation>Standaardstart, eindigen op {cible}</translation>
    </message>
    <message id="plus.reprendre">
        <source>Resume last game</source>
        <extracomment>Context menu command (Ctrl+R): takes up the game kept when the program last ended.</extracomment>
        <translation>Laatste spel hervatten</translation>
    </message>
    <message id="plus.reprise_gardee">
        <source>The last game was kept: Ctrl+R (or “Resume last game” in the right-click menu) takes it up again.</source>
        <extracomment>Balloon at the start when the game in progress at the last exit was kept.</extracomment>
        <translation>Het laatste spel is bewaard: Ctrl+R (of „Laatste spel hervatten” in het rechtermuisknopmenu) hervat het.</translation>
    </message>
    <message id="plus.reprise_faite">
        <source>Last game taken up again. %1</source>
        <extracomment>Spoken when the kept game is back on the board: %1 the marbles left (&quot;24 marbles left.&quot;).</extracomment>
        <translation>Laatste spel hervat. %1</translation>
    </message>
    <message id="plus.reprise_endommagee">
        <source>The file of the last game was unreadable or damaged: it has been set aside and that game cannot be taken up again.</source>
        <extracomment>Message when the file of the kept game cannot be read.</extracomment>
        <translation>Het bestand van het laatste spel was onleesbaar of beschadigd: het is apart gezet en dat spel kan niet worden hervat.</translation>
    </message>
    <message id="plus.abandon_annule">
        <source>Game back on the board. %1</source>
        <extracomment>Spoken when Ctrl+Z brings back a game that was stopped or replaced: %1 the marbles left.</extracomment>
        <translation>Spel terug op het bord. %1</translation>
    </message>
    <message id="plus.copier">
        <source>Copy position</source>
        <extracomment>Context menu command (Ctrl+C): the position on the board to the clipboard as text.</extracomment>
        <translation>Stelling kopiëren</translation>
    </message>
    <message id="plus.coller">
        <source>Paste problem</source>
        <extracomment>Context menu command (Ctrl+V): opens a position held by the clipboard as a problem.</extracomment>
        <translation>Puzzel plakken</translation>
    </message>
    <message id="plus.copie_faite">
        <source>Position copied to the clipboard as text.</source>
        <extracomment>Balloon and speech after Copy.</extracomment>
        <translation>Stelling als tekst naar het klembord gekopieerd.</translation>
    </message>
    <message id="plus.texte_refuse">
        <source>This text is not a position of the game: a picture of the English, French or 45-hole board is wanted, one line a row, “o” for a marble and “.” for an empty hole.</source>
        <extracomment>Message when pasted or imported text holds no position.</extracomment>
        <translation>Deze tekst is geen stelling van het spel: nodig is een tekening van het Engelse, Franse of 45-gaatjesbord, één regel per rij, „o” voor een knikker en „.” voor een leeg gat.</translation>
    </message>
    <message id="plus.exporter">
        <source>Export…</source>
        <extracomment>Command: writes the position or problem to a text file.</extracomment>
        <translation>Exporteren…</translation>
    </message>
    <message id="plus.importer">
        <source>Import…</source>
        <extracomment>Command: reads a problem from a text file.</extracomment>
        <translation>Importeren…</translation>
    </message>
    <message id="plus.fichier_ecriture">
        <source>“%1” cannot be written.</source>
        <extracomment>Message when an exported file cannot be written: %1 its path.</extracomment>
        <translation>„%1” kan niet worden geschreven.</translation>
    </message>
    <message id="plus.filtre">
        <source>Board pictures (*.txt)</source>
        <extracomment>File dialog filter of the problem files; keep (*.txt).</extracomment>
        <translation>Bordtekeningen (*.txt)</translation>
    </message>
    <message id="plus.nouveau_probleme">
        <source>New problem…</source>
        <extracomment>Context menu command (E): opens the problem editor.</extracomment>
        <translation>Nieuwe puzzel…</translation>
    </message>
    <message id="plus.editeur_titre">
        <source>Problem editor</source>
        <extracomment>Title of the problem editor.</extracomment>
        <translation>Puzzeleditor</translation>
    </message>
    <message id="plus.editeur_aide">
        <source>Click: put or take a marble. Right-click: ring the target. Keyboard: arrows, Space, T.</source>
        <extracomment>Line under the editor's board.</extracomment>
        <translation>Klik: knikker zetten of wegnemen. Rechtsklik: doel omcirkelen. Toetsenbord: pijlen, spatie, T.</translation>
    </message>
    <message id="plus.editeur_plateau">
        <source>Board:</source>
        <extracomment>Label of the board chooser in the editor.</extracomment>
        <translation>Bord:</translation>
    </message>
    <message id="plus.editeur_nom">
        <source>Name:</source>
        <extracomment>Label of the name field in the editor.</extracomment>
        <translation>Naam:</translation>
    </message>
    <message id="plus.editeur_garder">
        <source>Keep</source>
        <extracomment>Editor button: keeps the problem in My problems.</extracomment>
        <translation>Bewaren</translation>
    </message>
    <message id="plus.editeur_jouer">
        <source>Play</source>
        <extracomment>Editor button: plays the position as a problem.</extracomment>
        <translation>Spelen</translation>
    </message>
    <message id="plus.editeur_fermer">
        <source>Close</source>
        <extracomment>Editor button.</extracomment>
        <translation>Sluiten</translation>
    </message>
    <message id="plus.editeur_vider">
        <source>Empty</source>
        <extracomment>Editor button: every hole empty.</extracomment>
        <translation>Leegmaken</translation>
    </message>
    <message id="plus.editeur_remplir">
        <source>Fill</source>
        <extracomment>Editor button: a marble in every hole.</extracomment>
        <translation>Vullen</translation>
    </message>
    <message id="plus.editeur_nom_defaut">
        <source>My problem %1</source>
        <extracomment>Name given to a new problem: %1 its number.</extracomment>
        <translation>Mijn puzzel %1</translation>
    </message>
    <message id="plus.editeur_garde">
        <source>“%1” is kept in My problems.</source>
        <extracomment>Spoken and shown when a problem is kept: %1 its name.</extracomment>
        <translation>„%1” is bewaard bij Mijn puzzels.</translation>
    </message>
    <message id="plus.editeur_cible">
        <source>%1, target</source>
        <extracomment>Screen reader, editor: the state of the target hole, %1 &quot;marble&quot; or &quot;empty&quot;.</extracomment>
        <translation>%1, doel</translation>
    </message>
    <message id="plus.verdict_attente">
        <source>Thinking…</source>
        <extracomment>Editor: the solver is still thinking about the position.</extracomment>
        <translation>Bezig met denken…</translation>
    </message>
    <message id="plus.verdict_un">
        <source>Can finish with 1 marble on %1 (proven)</source>
        <extracomment>Editor verdict: %1 the hole (&quot;e5&quot;).</extracomment>
        <translation>Kan eindigen met 1 knikker op %1 (bewezen)</translation>
    </message>
    <message id="plus.verdict_meilleur" numerus="yes">
        <source>Best: %1 marbles (proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles that can be left.</extracomment>
        <translation><numerusform>Beste: %1 knikker (bewezen)</numerusform><numerusform>Beste: %1 knikkers (bewezen)</numerusform></translation>
    </message>
    <message id="plus.verdict_non_prouve" numerus="yes">
        <source>Best found so far: %1 marbles (not proven)</source>
        <extracomment>Editor verdict: %1 the fewest marbles a line found leaves.</extracomment>
        <translation><numerusform>Beste tot nu toe: %1 knikker (niet bewezen)</numerusform><numerusform>Beste tot nu toe: %1 knikkers (niet bewezen)</numerusform></translation>
    </message>
    <message id="plus.verdict_cible_perdue" numerus="yes">
        <source>Target out of reach; best: %1 marbles (proven)</source>
        <extracomment>Editor verdict with a target that cannot be reached: %1 the fewest marbles.</extracomment>
        <translation><numerusform>Doel onbereikbaar; beste: %1 knikker (bewezen)</numerusform><numerusform>Doel onbereikbaar; beste: %1 knikkers (bewezen)</numerusform></translation>
    </message>
    <message id="plus.verdict_aucun">
        <source>No jump possible</source>
        <extracomment>Editor verdict: no marble can jump.</extracomment>
        <translation>Geen sprong mogelijk</translation>
    </message>
    <message id="plus.mes_problemes">
        <source>My problems</source>
        <extracomment>Title of the list of the problems the player made.</extracomment>
        <translation>Mijn puzzels</translation>
    </message>
    <message id="plus.renommer">
        <source>Rename…</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Hernoemen…</translation>
    </message>
    <message id="plus.supprimer">
        <source>Delete</source>
        <extracomment>My problems: button.</extracomment>
        <translation>Verwijderen</translation>
    </message>
    <message id="plus.supprimer_question">
        <source>Delete “%1”?</source>
        <extracomment>My problems: confirmation, %1 the problem's name.</extracomment>
        <translation>„%1” verwijderen?</translation>
    </message>
    <message id="plus.mes_problemes_endommages">
        <source>The file of your problems was unreadable or damaged: it has been set aside as “%1” and the list starts empty.</source>
        <extracomment>Message when the file of the player's problems is damaged: %1 the name it is kept under.</extracomment>
        <translation>Het bestand met uw puzzels was onleesbaar of beschadigd: het is apart gezet als „%1” en de lijst begint leeg.</translation>
    </message>
    <message id="plus.mes_problemes_ecriture">
        <source>Your problems cannot be written to “%1”.</source>
        <extracomment>Message when the file of the player's problems cannot be written: %1 its path.</extracomment>
        <translation>Uw puzzels kunnen niet naar „%1” worden geschreven.</translation>
    </message>
    <message id="plus.mes_problemes_aucun">
        <source>No problem of your own yet: press E on the board to make one.</source>
        <extracomment>My problems: the list is empty.</extracomment>
        <translation>Nog geen eigen puzzel: druk op E op het bord om er een te maken.</translation>
    </message>
    <message id="plus.regarder">
        <source>Watch the solution</source>
        <extracomment>Context menu command (W): the solver's line played jump by jump.</extracomment>
        <translation>Oplossing bekijken</translation>
    </message>
    <message id="plus.regarder_debut">
        <source>Watching the solution: Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a proven line.</extracomment>
        <translation>De oplossing speelt: spatie pauzeert, de pijlen stappen vooruit en terug, Esc stopt.</translation>
    </message>
    <message id="plus.regarder_non_prouve">
        <source>Best line found (not proven): Space pauses, the arrows step back and forth, Escape stops.</source>
        <extracomment>Balloon and speech when watching starts on a line that is not proven the best.</extracomment>
        <translation>Beste gevonden reeks (niet bewezen): spatie pauzeert, de pijlen stappen vooruit en terug, Esc stopt.</translation>
    </message>
    <message id="plus.regarder_saut">
        <source>Jump %1 of %2: column %3, row %4 to column %5, row %6.</source>
        <extracomment>Spoken for each watched jump: %1 its number, %2 the jumps of the line, %3 %4 from column and row, %5 %6 to column and row.</extracomment>
        <translation>Sprong %1 van %2: kolom %3, rij %4 naar kolom %5, rij %6.</translation>
    </message>
    <message id="plus.regarder_pause">
        <source>Paused</source>
        <extracomment>Spoken when watching is paused or goes on.</extracomment>
        <translation>Gepauzeerd</translation>
    </message>
    <message id="plus.regarder_fin">
        <source>Watching ended. %1</source>
        <extracomment>Spoken when watching ends: %1 the marbles left.</extracomment>
        <translation>Demonstratie beëindigd. %1</translation>
    </message>
    <message id="plus.animation">
        <source>Animate jumps</source>
        <extracomment>Context menu setting: the player's jumps are shown sliding.</extracomment>
        <translation>Sprongen animeren</translation>
    </message>
</context>
</TS>
