# Sourced by scripts/wine-env.sh: makes the Wine prefix show the program's windows under Xvfb as a Windows desktop
# would.
# - Windows are not handed to a window manager (there is none under Xvfb): Wine then neither waits for one when
#   a window is hidden nor leaves the activation to it.
# - The classic look: Wine would otherwise draw the common controls with its own theme even for programs that do not
#   ask for visual styles, as this program does not.
# - Fonts: Wine's own (Tahoma; Marlett for the caption buttons), a Chinese font, WenQuanYi Micro Hei (Debian package
#   fonts-wqy-microhei), and DejaVu Sans (fonts-dejavu-core) for the pinyin letters, standing in for the fonts Wine
#   links behind its dialog fonts, so that Chinese text and pinyin show in any locale.
# Done once per prefix; the marker's number changes when this setup does.
namer_desktop_marker="$WINEPREFIX/.namer-desktop-3"
if [[ ! -f "$namer_desktop_marker" ]]; then
    namer_fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$namer_fonts"
    for font in /usr/share/wine/fonts/*.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
        [[ -f "$font" ]] && ln -sf "$font" "$namer_fonts/"
    done
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f \
        >/dev/null 2>&1 || true
    # Wine links these fonts behind Tahoma, in this order: a Latin font with the pinyin letters first (the Chinese
    # font draws them blank), then the Chinese font. SimSun, the default GUI font of Chinese locales, gets the same
    # pair the other way round.
    namer_replace() { wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$1" /d "$2" /f >/dev/null 2>&1 || true; }
    namer_link() {
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$1" \
            /t REG_MULTI_SZ /d "$2" /f >/dev/null 2>&1 || true
    }
    namer_replace "MS UI Gothic" "DejaVu Sans"
    namer_replace "PMingLiU" "WenQuanYi Micro Hei"
    namer_replace "Microsoft YaHei UI" "WenQuanYi Micro Hei"
    namer_replace "SimSun" "DejaVu Sans"
    namer_link "SimSun" 'wqy-microhei.ttc,WenQuanYi Micro Hei'
    # Wine links nothing behind bold Tahoma (the caption bar's font) by itself.
    namer_link "Tahoma Bold" 'wqy-microhei.ttc,WenQuanYi Micro Hei'
    unset -f namer_replace namer_link
    wineserver -w || true
    touch "$namer_desktop_marker"
fi
unset namer_desktop_marker namer_fonts
