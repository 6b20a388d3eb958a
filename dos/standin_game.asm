; standin.com - a stand-in game for end-to-end tests of DOS starts.
;
; Creates (or truncates) QFRUN.TXT in the current directory and writes:
;   CWD=<drive and directory as DOS reports them>     e.g. "CWD=D:\MAPS"
;   TAIL=<command tail as received, without its CR>   e.g. "TAIL= -map a.map"
; and, when the first word of the tail is "@<file>", one more line:
;   READ=<first line of that file, at most 80 characters>  or  READ=FAILED
;
; Exit code: N from a word "/exit:N" in the tail (0-255, any case), else 0;
; 1 if QFRUN.TXT cannot be created. Never waits for anything.

        cpu     8086
        org     100h

READ_MAX        equ 80

start:
        cld
        ; Keep our own copy of the tail before any DOS call can touch the DTA.
        mov     si, 80h
        lodsb
        xor     ah, ah
        mov     cx, ax
        mov     [tail_len], ax
        mov     di, tail
        rep     movsb

        mov     ah, 3Ch
        xor     cx, cx
        mov     dx, out_name
        int     21h
        jnc     .created
        mov     ax, 4C01h
        int     21h
.created:
        mov     [handle], ax

        ; CWD=X:\dir
        mov     di, line
        mov     si, s_cwd
        call    copy_z
        mov     ah, 19h
        int     21h
        add     al, 'A'
        stosb
        mov     ax, ':\'
        stosw
        mov     si, di
        mov     ah, 47h
        xor     dl, dl
        int     21h
        jnc     .cwd_end
        mov     byte [di], 0            ; keep "X:\" if DOS could not say
.cwd_end:
        cmp     byte [di], 0
        je      .cwd_done
        inc     di
        jmp     .cwd_end
.cwd_done:
        call    write_line

        ; TAIL=...
        mov     di, line
        mov     si, s_tail
        call    copy_z
        mov     si, tail
        mov     cx, [tail_len]
        rep     movsb
        call    write_line

        call    read_at_file

        mov     ah, 3Eh
        mov     bx, [handle]
        int     21h

        call    exit_number
        mov     ah, 4Ch
        int     21h

; Appends the READ= line when the first word of the tail is "@file".
read_at_file:
        mov     si, tail
        mov     cx, [tail_len]
.skip:
        jcxz    .none
        lodsb
        dec     cx
        cmp     al, ' '
        je      .skip
        cmp     al, 9
        je      .skip
        cmp     al, '@'
        jne     .none
        mov     di, at_name
.name:
        jcxz    .named
        lodsb
        cmp     al, ' '
        je      .named
        cmp     al, 9
        je      .named
        stosb
        dec     cx
        jmp     .name
.named:
        mov     byte [di], 0

        mov     di, line
        mov     si, s_read
        call    copy_z
        mov     ax, 3D00h
        mov     dx, at_name
        int     21h
        jc      .failed
        mov     bx, ax
        mov     ah, 3Fh
        mov     cx, READ_MAX
        mov     dx, read_buf
        int     21h
        jnc     .got
        xor     ax, ax
.got:
        mov     cx, ax
        mov     ah, 3Eh
        int     21h
        mov     si, read_buf
.copy:
        jcxz    .write
        lodsb
        cmp     al, 13
        je      .write
        cmp     al, 10
        je      .write
        stosb
        dec     cx
        jmp     .copy
.failed:
        mov     si, s_failed
        call    copy_z
.write:
        call    write_line
.none:
        ret

; AL = N from the first "/exit:N" word of the tail, else 0.
exit_number:
        mov     si, tail
        mov     cx, [tail_len]
        mov     bl, ' '                 ; the character before SI
.scan:
        cmp     cx, 6
        jb      .zero
        cmp     bl, ' '
        je      .try
        cmp     bl, 9
        jne     .next
.try:
        push    si
        push    cx
        mov     di, s_exit
        mov     cx, 6
.cmp:
        lodsb
        cmp     al, 'A'
        jb      .cased
        cmp     al, 'Z'
        ja      .cased
        or      al, 20h
.cased:
        scasb
        jne     .differs
        loop    .cmp
        add     sp, 4                   ; drop the saved SI and CX: SI is past "/exit:"
        xor     ax, ax
        mov     bl, 10
.digit:
        mov     dl, [si]
        sub     dl, '0'
        cmp     dl, 9
        ja      .done
        mul     bl
        add     al, dl
        inc     si
        jmp     .digit
.done:
        ret
.differs:
        pop     cx
        pop     si
.next:
        mov     bl, [si]
        inc     si
        dec     cx
        jmp     .scan
.zero:
        xor     al, al
        ret

; Copies the NUL-terminated string at SI to DI (without the NUL).
copy_z:
        lodsb
        or      al, al
        jz      .end
        stosb
        jmp     copy_z
.end:
        ret

; Ends the text from `line` to DI with CR LF and writes it to QFRUN.TXT.
write_line:
        mov     ax, 0A0Dh
        stosw
        mov     cx, di
        sub     cx, line
        mov     dx, line
        mov     bx, [handle]
        mov     ah, 40h
        int     21h
        ret

out_name        db 'QFRUN.TXT', 0
s_cwd           db 'CWD=', 0
s_tail          db 'TAIL=', 0
s_read          db 'READ=', 0
s_failed        db 'FAILED', 0
s_exit          db '/exit:'

section .bss
handle          resw 1
tail_len        resw 1
tail            resb 128
at_name         resb 128
read_buf        resb READ_MAX
line            resb 16 + 128 + 2
