; standin_extract.com - a stand-in group-file extractor for end-to-end tests of the
; extraction commands.
;
;   STANDIN_EXTRACT <group file> [-x] <pattern>
;
; Writes one file for the pattern (the last word of the tail) into the current directory:
; the pattern with "*" read as "E1L1" and "?" as "1", so "*.MAP" gives E1L1.MAP and
; "Tiles000.ART" the file itself. It holds "FROM <group file>" and CR LF, the group file as
; received (the first word of the tail); the group file itself is not read.
;
; Exit code: 0; 1 when the tail has fewer than two words or the file cannot be written.
; Never waits for anything.

        cpu     8086
        org     100h

NAME_MAX        equ 40

start:
        cld
        ; The tail, NUL-terminated: blanks and the CR end words.
        mov     si, 81h
        mov     cl, [80h]
        xor     ch, ch
        mov     di, tail
        rep     movsb
        mov     byte [di], 0

        ; The first word is the group file: copied behind "FROM ".
        mov     si, tail
        call    skip_blanks
        cmp     byte [si], 0
        je      fail
        mov     di, group
.group:
        lodsb
        call    ends_word
        je      .grouped
        stosb
        jmp     .group
.grouped:
        dec     si
        mov     ax, 0A0Dh
        stosw
        mov     [content_end], di

        ; The last word is the pattern.
        xor     bx, bx
.words:
        call    skip_blanks
        cmp     byte [si], 0
        je      .found
        mov     bx, si
.word:
        lodsb
        call    ends_word
        jne     .word
        dec     si
        jmp     .words
.found:
        or      bx, bx
        jz      fail

        ; The file name: "*" -> "E1L1", "?" -> "1"; a longer one is cut.
        mov     si, bx
        mov     di, out_name
.name:
        cmp     di, out_name + NAME_MAX
        jae     .named
        lodsb
        call    ends_word
        je      .named
        cmp     al, '*'
        jne     .not_star
        mov     ax, 'E1'
        stosw
        mov     ax, 'L1'
        stosw
        jmp     .name
.not_star:
        cmp     al, '?'
        jne     .plain
        mov     al, '1'
.plain:
        stosb
        jmp     .name
.named:
        mov     byte [di], 0

        mov     ah, 3Ch
        xor     cx, cx
        mov     dx, out_name
        int     21h
        jc      fail
        mov     bx, ax
        mov     ah, 40h
        mov     dx, content
        mov     cx, [content_end]
        sub     cx, dx
        int     21h
        jc      fail
        mov     ah, 3Eh
        int     21h
        mov     ax, 4C00h
        int     21h

fail:
        mov     ax, 4C01h
        int     21h

; Moves SI past blanks and tabs.
skip_blanks:
        cmp     byte [si], ' '
        je      .skip
        cmp     byte [si], 9
        jne     .done
.skip:
        inc     si
        jmp     skip_blanks
.done:
        ret

; ZF set when AL ends a word: a blank, a tab, CR or NUL.
ends_word:
        cmp     al, ' '
        je      .done
        cmp     al, 9
        je      .done
        cmp     al, 13
        je      .done
        cmp     al, 0
.done:
        ret

content         db      'FROM '
group           times 130 db 0
content_end     dw      0
out_name        times NAME_MAX + 8 db 0
tail            times 130 db 0
