# Sourced by scripts/wine-env.sh: makes the Wine prefix show the program's windows under Xvfb as a Windows desktop
# would.
# - Windows are not handed to a window manager (there is none under Xvfb): Wine then neither waits for one when
#   a window is hidden nor leaves the activation to it.
# - The classic look: Wine would otherwise draw the common controls with its own theme even for programs that do not
#   ask for visual styles, as this program does not.
# - Fonts: Wine's own (Tahoma; Marlett for the caption buttons) and a Chinese font, WenQuanYi Micro Hei (Debian
#   package fonts-wqy-microhei), standing in for SimSun and the other fonts Wine links behind its dialog fonts, so
#   that Chinese text shows in any locale.
# Done once per prefix; the marker's number changes when this setup does.
namer_desktop_marker="$WINEPREFIX/.namer-desktop-2"
if [[ ! -f "$namer_desktop_marker" ]]; then
    namer_fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$namer_fonts"
    for font in /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
        [[ -f "$font" ]] && ln -sf "$font" "$namer_fonts/"
    done
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f \
        >/dev/null 2>&1 || true
    for face in "SimSun" "MS UI Gothic" "PMingLiU" "Microsoft YaHei UI"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'WenQuanYi Micro Hei' /f \
            >/dev/null 2>&1 || true
    done
    # Wine links nothing behind bold Tahoma (the caption bar's font) by itself.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v 'Tahoma Bold' \
        /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 || true
    wineserver -w || true
    touch "$namer_desktop_marker"
fi
unset namer_desktop_marker namer_fonts
