#!/usr/bin/env python3
"""Writes the page layouts (.lcd) of the sample theme in demo/package/theme:
a clean white wizard with a header band on inner pages, a side picture on the
first and last pages and a light footer with the buttons. Layouts are drawn
for 96 dpi and a 25-pixel title bar; the wizard's client area is 497 x 354.

Controls are listed background first: records are created from the last key
down and each new control goes below the ones before, so low keys lie under
high keys. Control i has property record 3000 + i, as the language step
expects."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
THEME = os.path.normpath(os.path.join(HERE, '..', '..', '..', 'demo', 'package', 'theme'))

FONT = 'Tahoma'
WHITE = '255,255,255'
INK = '26,32,44'
MUTED = '78,84,96'
LINE = '222,226,232'
FOOTER = '243,244,246'
W, H = 497, 354            # client area of a wizard page
FOOT = 305                 # top of the footer band


class Layout:
    def __init__(self, idcname, caption, width=503, height=385, bkcolor=WHITE):
        self.window = [('idcname', idcname), ('caption', caption), ('bkimage', ''), ('border', '1'),
                       ('startup', '0 - Center'), ('bkcolor', bkcolor), ('width', str(width)),
                       ('height', str(height)), ('soundfile', ''), ('minwindow', 'No'), ('maxwindow', 'No'),
                       ('closewindow', 'Yes'), ('fontname', FONT), ('fontsize', '8'), ('fontbold', 'No'),
                       ('fontitalic', 'No')]
        self.controls = []

    def add(self, kind, label, x, y, w, h, props, picture=''):
        self.controls.append((kind, label, x, y, w, h, picture, props))

    # Property lists by type, position by position.
    def text(self, name, caption, x, y, w, h, size=8, bold=False, color=INK, bg='COLOR_BTNFACE', align='1'):
        self.add('TEXT', name, x, y, w, h, [
            ('Name', name), ('Caption', caption), ('Text Align', align), ('Text Color', color), ('BackColor', bg),
            ('Font', FONT), ('Size', str(size)), ('Bold', 'Yes' if bold else 'No'), ('Italic', 'No'),
            ('URL Link', 'No')])

    def band(self, name, x, y, w, h, colour, caption=''):
        # A filled text with its caption in its own colour: a coloured area
        # that still carries a caption for the language step.
        self.text(name, caption, x, y, w, h, color=colour, bg=colour)

    def button(self, name, caption, x, y, w=75, h=23):
        self.add('BUTTON', name, x, y, w, h, [
            ('Name', name), ('Caption', caption), ('Text Align', '0'), ('Font', FONT), ('Size', '8'),
            ('Bold', 'No'), ('Italic', 'No'), ('Click Action', '[Do Nothing]'), ('Action Argument', '')])

    def choice(self, kind, name, caption, x, y, w=440, h=18, bg=WHITE):
        self.add(kind, name, x, y, w, h, [('Name', name), ('Text', caption), ('BackColor', bg), ('Text Color', INK)])

    def named(self, kind, name, x, y, w, h, extra=()):
        self.add(kind, name, x, y, w, h, [('Name', name)] + list(extra))

    def icon(self, label, icon, x, y, bg=WHITE):
        self.add('ICON', label, x, y, 32, 32, [('Name', ''), ('Icon File:', icon), ('BackColor:', bg)])

    def bitmap(self, label, picture, x, y, w, h):
        self.add('BITMAP', label, x, y, w, h, [('Name', ''), ('Picture', ''), ('BackColor', '0 - Button Face')],
                 picture='{%s}' % picture)

    def frame(self, label, x, y, w, h):
        self.add('FRAME', label, x, y, w, h, [('Name', '')])

    def groupbox(self, name, caption, x, y, w, h, bg=WHITE):
        self.add('GROUPBOX', name, x, y, w, h, [('Name', name), ('Caption', caption), ('BackColor', bg)])

    def write(self, path):
        lines = ['[MAINWINDOW]'] + ['%s=%s' % kv for kv in self.window]
        lines += ['[INFO]', 'TOTAL=%d' % len(self.controls)]
        for i, (kind, label, x, y, w, h, picture, _) in enumerate(self.controls):
            lines.append('%d=%s,%d,%d,%d,%d,%s,%s,,%d' % (i, label, x, y, w, h, kind, picture, 3000 + i))
        lines.append('[DADOS]')
        for i, (_, _, _, _, _, _, _, props) in enumerate(self.controls):
            lines.append('%d,t=%d' % (3000 + i, len(props)))
            for p, (label, value) in enumerate(props):
                lines.append('%d,%d=%s|%s|0' % (3000 + i, p, label, value))
        with open(path, 'w', newline='\r\n') as f:
            f.write('\n'.join(lines) + '\n')


def footer(page, back='< &Back', next_='&Next >', cancel='Cancel', next_name='IDC_NEXT'):
    page.band('IDC_FOOTER', 0, FOOT, W, H - FOOT, FOOTER)
    page.band('IDC_FOOTERLINE', 0, FOOT - 1, W, 1, LINE)
    if back:
        page.button('IDC_BACK', back, 236, 318)
    if next_:
        page.button(next_name, next_, 311, 318)
    if cancel:
        page.button('IDCANCEL', cancel, 409, 318)


def inner(idcname, title, subtitle, caption='<ProductName> Setup'):
    page = Layout(idcname, caption)
    page.band('IDC_QXFRAME', 0, 0, W, 58, WHITE, title)
    page.band('IDC_HEADERLINE', 0, 58, W, 1, LINE)
    footer(page)
    page.text('IDC_TITLE', title, 20, 12, 400, 16, bold=True)
    page.text('IDC_SUBTITLE', subtitle, 32, 30, 390, 26, color=MUTED)
    page.bitmap('Logo', 'header.bmp', 436, 5, 48, 48)
    return page


def outer(idcname, title_name, title, finish=False):
    page = Layout(idcname, '<ProductName> Setup')
    if finish:
        footer(page, next_='&Finish', next_name='IDC_FINISH')
    else:
        footer(page)
    page.bitmap('Side', 'side.bmp', 0, 0, 164, 304)
    page.text(title_name, title, 184, 22, 296, 50, size=13, bold=True)
    return page


def compact(idcname, caption, height=180):
    return Layout(idcname, caption, width=420, height=height)


def pages():
    p = {}

    w = outer('IDD_WELCOME', 'IDC_STATIC1', 'Welcome to the <ProductName> Setup')
    w.text('IDC_STATIC2', 'This program will install <ProductName> on your computer.', 184, 92, 296, 48,
           color=MUTED)
    w.text('IDC_STATIC3', 'To continue, click Next.', 184, 150, 296, 20, color=MUTED)
    p['welcome.lcd'] = w

    lic = inner('IDD_LICENSE', 'License Agreement', 'Please read the following license agreement carefully.')
    lic.named('RICHTEXT', 'IDC_LICENSE', 20, 72, 457, 168)
    lic.choice('RADIO', 'IDC_ACCEPTLICENSE', 'I accept the terms in the license agreement', 20, 250)
    lic.choice('RADIO', 'IDC_NOTACCEPTLICENSE', 'I do not accept the terms in the license agreement', 20, 272)
    p['license.lcd'] = lic

    rd = inner('IDD_README', 'Readme Information', 'Please read the following information about <ProductName>.')
    rd.named('RICHTEXT', 'IDC_README', 20, 72, 457, 218)
    p['readme.lcd'] = rd

    cu = inner('IDD_CUSTOMER', 'Customer Information', 'Please enter your information.')
    cu.text('IDC_STATIC1', 'User Name:', 32, 78, 300, 14)
    cu.named('TEXTBOX', 'IDC_USERNAME', 32, 96, 320, 21)
    cu.text('IDC_STATIC2', 'Organization:', 32, 128, 300, 14)
    cu.named('TEXTBOX', 'IDC_ORGANIZATION', 32, 146, 320, 21)
    cu.text('IDC_STATIC3', 'Install this application for:', 32, 188, 300, 14)
    cu.choice('RADIO', 'IDC_ANYONE', 'Anyone who uses this computer (all users)', 44, 208, 400)
    cu.choice('RADIO', 'IDC_ONLYFORME', 'Only for me', 44, 230, 400)
    p['customer.lcd'] = cu

    de = inner('IDD_DESTINATION', 'Destination Folder',
               'Click Next to install to this folder, or click Change to install to a different folder.')
    de.icon('Folder', 'IDI_FOLDER', 32, 84)
    de.text('IDC_STATIC1', 'Install <ProductName> to:', 76, 84, 300, 14)
    de.text('IDC_INSTALLDIR', '<InstallDir>', 76, 102, 300, 30, color=MUTED)
    de.button('IDC_BROWSE', 'C&hange...', 394, 84)
    p['destination.lcd'] = de

    st = inner('IDD_SETUPTYPE', 'Setup Type', 'Choose the setup type that best suits your needs.')
    st.text('IDC_STATIC1', 'Please select a setup type.', 20, 70, 440, 14)
    rows = [('IDC_TYPICAL', 'Typical', 'IDI_TYPICAL', 'IDC_STATIC2', 'All program features will be installed.'),
            ('IDC_MINIMAL', 'Minimal', 'IDI_MINIMAL', 'IDC_STATIC3', 'Only the required features will be installed.'),
            ('IDC_CUSTOM', 'Custom', 'IDI_CUSTOM', 'IDC_STATIC4',
             'Choose which program features you want installed and where they will be installed.')]
    for i, (name, label, icon, text_name, text) in enumerate(rows):
        y = 94 + i * 68
        st.choice('RADIO', name, label, 32, y, 200)
        st.icon(label + 'Icon', icon, 52, y + 22)
        st.text(text_name, text, 96, y + 22, 370, 30, color=MUTED)
    p['setuptype.lcd'] = st

    cs = inner('IDD_CUSTOMSETUP', 'Custom Setup', 'Select the program features you want installed.')
    cs.text('IDC_STATIC1', 'Click on an icon in the list below to change how a feature is installed.', 20, 68, 457, 14)
    cs.named('TREEVIEW', 'IDC_FEATURES', 20, 88, 270, 150)
    cs.groupbox('IDC_GROUPBOX1', 'Feature Description', 302, 82, 175, 156)
    cs.text('IDC_FEATUREINFO', '', 312, 102, 156, 128, color=MUTED)
    cs.text('IDC_STATIC2', 'Install to:', 20, 250, 80, 14)
    cs.text('IDC_INSTALLDIR', '<InstallDir>', 20, 266, 360, 28, color=MUTED)
    cs.button('IDC_BROWSE', 'C&hange...', 402, 252)
    p['customsetup.lcd'] = cs

    re = inner('IDD_READY', 'Ready to Install the Program', 'The wizard is ready to begin installation.')
    re.text('IDC_STATIC1', 'Click Install to begin the installation.', 20, 70, 457, 14)
    re.text('IDC_STATIC2', 'If you want to review or change any of your installation settings, click Back.',
            20, 88, 457, 14, color=MUTED)
    re.named('TEXTBOX', 'IDC_SETTINGS', 20, 110, 457, 184)
    for i, (kind, *_rest) in enumerate(re.controls):
        if kind == 'BUTTON' and re.controls[i][7][0][1] == 'IDC_NEXT':
            re.controls[i][7][1] = ('Caption', '&Install')
    p['ready.lcd'] = re

    pr = inner('IDD_PROGRESS', 'Installing <ProductName>', 'The program features you selected are being installed.')
    pr.text('IDC_STATIC1', 'Please wait while the Setup Wizard installs <ProductName>. This may take several minutes.',
            20, 72, 457, 30)
    pr.text('IDC_STATIC2', 'Status:', 20, 116, 60, 14, bold=True)
    pr.text('IDC_INFO', '', 80, 116, 397, 14, color=MUTED)
    pr.named('PROGRESS', 'IDC_PROGRESS1', 20, 138, 457, 18)
    pr.text('IDC_INSTALLINFO', '', 20, 164, 457, 30, color=MUTED)
    pr.named('PROGRESS', 'IDC_DOWNLOADPROGRESS', 20, 200, 457, 12)
    p['progress.lcd'] = pr

    co = outer('IDD_COMPLETE', 'IDC_TITLE', 'Completing the <ProductName> Setup Wizard', finish=True)
    co.text('IDC_INSTALLSTATUS',
            'The Setup Wizard has successfully installed <ProductName>. Click Finish to exit the wizard.',
            184, 92, 296, 48, color=MUTED)
    co.choice('CHECKBOX', 'IDC_LAUNCHFILE', 'Launch the program', 184, 156, 290)
    co.choice('CHECKBOX', 'IDC_LAUNCHREADME', 'Show the readme file', 184, 178, 290)
    p['complete.lcd'] = co

    tp = inner('IDD_3RDPARTY', 'Installing Additional Components',
               'Setup is installing the components that <ProductName> needs.')
    tp.controls = [c for c in tp.controls if c[0] != 'BUTTON']
    tp.text('IDC_STATIC1', 'Please wait while Setup installs the additional components.', 20, 72, 457, 30)
    tp.text('IDC_INFO', '', 20, 110, 457, 14, color=MUTED)
    tp.named('PROGRESS', 'IDC_PROGRESS1', 20, 132, 457, 18)
    p['3rdparty.lcd'] = tp

    # Small windows: client area 414 x 149.
    def compact_footer(page, buttons, height=149):
        page.band('IDC_FOOTER', 0, height - 44, 414, 44, FOOTER)
        page.band('IDC_FOOTERLINE', 0, height - 45, 414, 1, LINE)
        x = 414 - 12 - 75 * len(buttons) - 8 * (len(buttons) - 1)
        for name, caption in buttons:
            page.button(name, caption, x, height - 34)
            x += 83

    sa = compact('IDD_START', '<ProductName> Setup')
    compact_footer(sa, [('IDCANCEL', 'Cancel')])
    sa.icon('SetupIcon', 'IDI_SETUP', 20, 20)
    sa.text('IDC_STATIC1', 'Preparing to install <ProductName>...', 66, 22, 330, 16, bold=True)
    sa.named('PROGRESS', 'IDC_PROGRESS1', 66, 50, 330, 14)
    p['start.lcd'] = sa

    ask = compact('IDD_ASKUSER', '<ProductName> Setup')
    compact_footer(ask, [('IDC_SETLANGUAGE', 'OK'), ('IDCANCEL', 'Cancel')])
    ask.icon('LanguageIcon', 'IDI_INFO', 20, 18)
    ask.text('IDC_STATIC1', 'Select the language for this installation from the choices below.', 66, 18, 330, 30)
    # The language step writes the package's languages to this list file.
    ask.named('COMBOBOX', 'IDC_LANGUAGE', 66, 56, 240, 120, extra=(('Caption', ''), ('List', 'languages.lst')))
    p['askuser.lcd'] = ask

    er = compact('IDD_SETUPERROR', '<ProductName> Setup')
    compact_footer(er, [('IDRETRY', '&Retry'), ('IDIGNORE', '&Ignore'), ('IDCANCEL', 'Cancel')])
    er.icon('ErrorIcon', 'IDI_ERROR', 20, 18)
    er.text('IDC_STATIC1', 'Setup could not complete an operation. Click Retry to try again, Ignore to skip it, '
            'or Cancel to end the installation.', 66, 18, 330, 60)
    p['setuperror.lcd'] = er

    ca = compact('IDD_CANCELSETUP', '<ProductName> Setup')
    compact_footer(ca, [('IDYES', '&Yes'), ('IDNO', '&No')])
    ca.icon('QuestionIcon', 'IDI_EXCLAMATION', 20, 18)
    ca.text('IDC_STATIC1', 'Are you sure you want to cancel the <ProductName> installation?', 66, 22, 330, 40)
    p['cancelsetup.lcd'] = ca
    return p


if __name__ == '__main__':
    os.makedirs(THEME, exist_ok=True)
    for name, page in pages().items():
        page.write(os.path.join(THEME, name))
        print('wrote', name)
