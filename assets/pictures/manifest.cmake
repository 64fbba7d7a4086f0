# Every picture the game loads from its run-time folder:
#   picture(<file> <source> [PNG|JPEG|BMP|GIF])
# The game tells formats apart by content, so a few scenes ship as JPEG or BMP under .VEL,
# and the phone picture only as a real GIF, the fallback the game looks for second.

# The phone and the walk
picture(C300A.GIF scenes/C300A.svg GIF)
picture(C300B.VEL scenes/C300B.svg BMP)

# The seven places, empty
picture(C310C.VEL scenes/C310C.svg)
picture(C320C.VEL scenes/C320C.svg)
picture(C330C.VEL scenes/C330C.svg)
picture(C340C.VEL scenes/C340C.svg)
picture(C350C.VEL scenes/C350C.svg)
picture(C360C.VEL scenes/C360C.svg)
picture(C370C.VEL scenes/C370C.svg JPEG)

# A heroine where the timetable puts her
picture(C312C.VEL scenes/C312C.svg)
picture(C321C.VEL scenes/C321C.svg)
picture(C366C.VEL scenes/C366C.svg)
picture(C375C.VEL scenes/C375C.svg)
picture(C343C.VEL scenes/C343C.svg)
picture(C354C.VEL scenes/C354C.svg)
picture(C322A.VEL scenes/C322A.svg)
picture(C322B.VEL scenes/C322B.svg)
picture(C333C.VEL scenes/C333C.svg)
picture(C344C.VEL scenes/C344C.svg)
picture(C315C.VEL scenes/C315C.svg)
picture(C326C.VEL scenes/C326C.svg)
picture(C334C.VEL scenes/C334C.svg)
picture(C353C.VEL scenes/C353C.svg)
picture(C361C.VEL scenes/C361C.svg)
picture(C373C.VEL scenes/C373C.svg)

# Closing time at the gate, and the epilogue
picture(C380C.VEL scenes/C380C.svg)
picture(C381C.VEL scenes/C381C.svg)
picture(C382C.VEL scenes/C382C.svg)
picture(C383C.VEL scenes/C383C.svg)
picture(C384C.VEL scenes/C384C.svg)
picture(C385C.VEL scenes/C385C.svg)
picture(C386C.VEL scenes/C386C.svg)
picture(C387C.VEL scenes/C387C.svg)
picture(C388C.VEL scenes/C388C.svg)
picture(C380D.VEL scenes/C380D.svg JPEG)

# Screens and icons
picture(Title.png screens/Title.svg)
picture(Album.png screens/Album.svg)
picture(Friend.png screens/Friend.svg)
picture(Icon.png screens/Icon.svg)
picture(Walk1.png screens/Walk1.svg)
picture(Walk2.png screens/Walk2.svg)
picture(MarkConfession.png screens/MarkConfession.svg)
picture(MarkMutual.png screens/MarkMutual.svg)
picture(SpriteA.png screens/SpriteA.svg)
picture(SpriteB.png screens/SpriteB.svg)
foreach(n RANGE 1 8)
    picture(Heroine${n}.png screens/Heroine${n}.svg)
endforeach()
